#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

namespace ductora {

// A reading a pass replaced, where the channel held it.
struct ReplacedReading {
  std::int32_t reading = 0;
  std::size_t revolution = 0;
  std::size_t sample = 0;
};

// What the zero and jump passes of one channel replaced, and what the corroborated pass kept, so a
// rebuild can say what its filters did.
struct FilterTally {
  std::size_t zerosFilled = 0;
  std::size_t jumpsReplaced = 0;
  // The lowest reading a jump pass replaced: the one that would have been the thinnest wall.
  std::optional<ReplacedReading> thinnest;
  // Runs beyond a jump the corroborated pass confirmed whose readings stand (on a wall, the thinner
  // ones), and their readings.
  std::size_t runsKept = 0;
  std::size_t readingsKept = 0;

  void noteJump(std::int32_t reading, std::size_t revolution, std::size_t sample) {
    ++jumpsReplaced;
    if (!thinnest || reading < thinnest->reading) {
      thinnest = ReplacedReading{reading, revolution, sample};
    }
  }

  void noteKeptRun(std::size_t readings) {
    ++runsKept;
    readingsKept += readings;
  }
};

}  // namespace ductora
