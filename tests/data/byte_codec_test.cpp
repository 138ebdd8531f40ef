#include "data/byte_codec.h"

#include <gtest/gtest.h>

#include <vector>

namespace ductora {
namespace {

TEST(ByteCodec, ReadingPastTheEndFailsForGood) {
  const std::vector<std::uint8_t> bytes{1, 2, 3};
  ByteReader in(bytes);
  EXPECT_EQ(in.u16(), 0x0201);
  EXPECT_EQ(in.u32(), 0U);  // only one byte left: nothing consumed
  EXPECT_FALSE(in.ok());
  EXPECT_EQ(in.u8(), 0U);  // stays failed even though a byte remains
  EXPECT_EQ(in.position(), 2U);
  EXPECT_EQ(in.text(1), "");
}

TEST(ByteCodec, TextFieldsStopAtTheFirstNulAndArePadded) {
  ByteWriter out;
  out.text("L80", 10);
  out.text("0123456789AB", 10);  // too long: cut to the field, no terminator
  out.text("", 4);
  const std::vector<std::uint8_t> bytes = out.take();
  ASSERT_EQ(bytes.size(), 24U);
  EXPECT_EQ(bytes[3], 0);
  EXPECT_EQ(bytes[9], 0);

  std::vector<std::uint8_t> withTail = bytes;
  withTail[5] = 'x';  // bytes after the terminator are ignored
  ByteReader in(withTail);
  EXPECT_EQ(in.text(10), "L80");
  EXPECT_EQ(in.text(10), "0123456789");
  EXPECT_EQ(in.text(4), "");
  EXPECT_TRUE(in.ok());
}

}  // namespace
}  // namespace ductora
