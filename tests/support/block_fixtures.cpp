#include "support/block_fixtures.h"

#include <initializer_list>

namespace ductora::testing {

namespace {

Bytes concat(std::initializer_list<Bytes> parts) {
  Bytes all;
  for (const Bytes& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

const Bytes kWallMarker{0x01, 0, 0, 0, 0, 0, 0, 0, 0, 0};   // reading 1, counts 0
const Bytes kOdMarker{0x00, 0xF8, 0, 0, 0, 0, 0, 0, 0, 0};  // reading -2048, counts 0

}  // namespace

Bytes chainBlocks(const std::vector<BlockFixture>& blocks) {
  Bytes file;
  for (std::size_t i = 0; i < blocks.size(); ++i) {
    const std::size_t end = file.size() + 5 + blocks[i].payload.size();
    const std::uint32_t next = i + 1 == blocks.size() ? 0 : static_cast<std::uint32_t>(end);
    file.push_back(blocks[i].tag);
    for (int shift = 0; shift < 32; shift += 8) file.push_back(static_cast<std::uint8_t>(next >> shift));
    file.insert(file.end(), blocks[i].payload.begin(), blocks[i].payload.end());
  }
  return file;
}

const BlockFixture kJobInfo1Block{0, concat({
                                         {0x78, 0x56, 0x34, 0x12},                  // created 305419896
                                         {'W', 'O', '-', '7', '7', 0, 0, 0, 0, 0},  // WO number
                                         {0x67, 0x12},                              // KQ 4711
                                         {0x03},                                    // unit
                                         {'s', 'i', 'm', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},  // note
                                         {0x02, 0x01},                          // run, start-end
                                         {0x58, 0x1B},                          // nominal OD 7000
                                         {0x28, 0x0A},                          // weight 26.00
                                         {'L', '8', '0', 0, 0, 0, 0, 0, 0, 0},  // grade
                                         {0x6A, 0x01, 0xA0, 0x01, 0x22, 0x01},  // wall 362, 416, 290
                                         {0x3C, 0x03},                          // jump 60, range 3
                                     })};

// Channel 2: a lead-in marker, then two revolutions each followed by a marker.
const BlockFixture kRawWallBlock{1, concat({
                                        {0x02, 0x07, 0x00, 0x00, 0x00},              // channel 2, 7 records
                                        {0, 0, 0, 0, 0, 0, 0xF8, 0x3F},              // wall scale 1.5
                                        {0, 0, 0, 0, 0, 0, 0x38, 0x40},              // parameter 24.0
                                        {0, 0, 0, 0, 0, 0, 0x00, 0xC0},              // -2.0
                                        {0, 0, 0, 0, 0, 0, 0xE0, 0x3F},              // 0.5
                                        {0, 0, 0, 0, 0, 0, 0x59, 0x40},              // 100.0
                                        kWallMarker,                                 // lead-in
                                        kWallMarker,                                 // first 12 o'clock
                                        {0x6A, 0x01, 0x64, 0, 0, 0, 0x0A, 0, 0, 0},  // 362 at 100, 10
                                        {0x68, 0x01, 0x65, 0, 0, 0, 0x14, 0, 0, 0},  // 360 at 101, 20
                                        kWallMarker,                                 // second
                                        {0x6D, 0x01, 0x66, 0, 0, 0, 0x1E, 0, 0, 0},  // 365 at 102, 30
                                        kWallMarker,                                 // third
                                    })};

const BlockFixture kWallMatrixBlock{
    2, concat({
           {0, 0, 0, 0, 0, 0, 0xE0, 0x3F},                    // delta X 0.5
           {0x02, 0, 0, 0},                                   // 2 rows
           {0, 0, 0, 0, 0, 0x80, 0x66, 0x40},                 // delta Y 180.0
           {0x02, 0, 0, 0},                                   // 2 columns
           {0x6A, 0x01, 0x68, 0x01, 0x00, 0x00, 0xFF, 0xFF},  // 362 360 / 0 65535
       })};

const BlockFixture kCsaBlock{3, concat({
                                    {0, 0, 0, 0, 0, 0, 0x12, 0x40},  // minimum 4.5
                                    {0, 0, 0, 0, 0, 0, 0x16, 0x40},  // maximum 5.5
                                    {0, 0, 0, 0, 0, 0, 0x14, 0x40},  // average 5.0
                                    {0, 0, 0, 0, 0, 0, 0xC0, 0x3F},  // deviation 0.125
                                })};

const BlockFixture kWallStartBlock{9, {0x10, 0x27, 0x00, 0x00}};  // 10000 counts

const BlockFixture kJobInfo2LongBlock{10,
                                      {0x62, 0x1B,  // calibration OD 7010
                                       0x87, 0x00,  // wall angle 135
                                       0x01, 0x00,  // rotation 1, from 0
                                       0x28, 0x00,  // upper offset 40
                                       0xD8, 0xFF,  // lower offset -40
                                       0x19}};      // OD jump 25
const BlockFixture kJobInfo2ShortBlock{10, {0x62, 0x1B, 0x01, 0x00, 0x28, 0x00, 0xD8, 0xFF, 0x19}};

// Channel 1: a marker, then one revolution followed by a marker.
const BlockFixture kRawOdBlock{11,
                               concat({
                                   {0x01, 0x04, 0x00, 0x00, 0x00},                    // channel 1, 4 records
                                   {0xFC, 0xA9, 0xF1, 0xD2, 0x4D, 0x62, 0x50, 0x3F},  // 0.001 inch per count
                                   kOdMarker,                                         // first 12 o'clock
                                   {0xFD, 0xFF, 0xC8, 0, 0, 0, 0x05, 0, 0, 0},        // -3 at 200, 5
                                   {0x04, 0x00, 0xC9, 0, 0, 0, 0x06, 0, 0, 0},        // 4 at 201, 6
                                   kOdMarker,                                         // second
                               })};

const BlockFixture kOdMatrixBlock{12, concat({
                                          {0x55, 0x55, 0x55, 0x55, 0x55, 0x55, 0xD5, 0x3F},  // delta X 1/3
                                          {0x01, 0, 0, 0},                                   // 1 row
                                          {0, 0, 0, 0, 0, 0x80, 0x66, 0x40},                 // delta Y 180.0
                                          {0x02, 0, 0, 0},                                   // 2 columns
                                          {0xFB, 0xFF, 0x07, 0x00},                          // -5 7
                                      })};

const BlockFixture kStraightnessBlock{22, concat({
                                              {0, 0, 0, 0, 0, 0, 0x28, 0x40},     // delta X 12.0
                                              {0x01, 0, 0, 0},                    // 1 row
                                              {0, 0, 0, 0, 0, 0x80, 0x66, 0x40},  // delta Y 180.0
                                              {0x02, 0, 0, 0},                    // 2 columns
                                              {0xC4, 0xFF, 0x3C, 0x00},           // -60 60
                                          })};

std::vector<BlockFixture> completePipeBlocks(const BlockFixture& jobInfo2) {
  return {kJobInfo1Block, kRawWallBlock, kWallMatrixBlock, kCsaBlock,         kWallStartBlock,
          jobInfo2,       kRawOdBlock,   kOdMatrixBlock,   kStraightnessBlock};
}

}  // namespace ductora::testing
