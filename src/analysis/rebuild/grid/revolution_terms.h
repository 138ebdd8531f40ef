#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <vector>

#include "analysis/rebuild/grid/term_arrays.h"
#include "data/format/pipe_file.h"

namespace ductora {

// What the interpolation reads of one placed revolution, prepared once for every row that uses it.
class RevolutionTerms {
 public:
  static constexpr std::size_t kNone = std::numeric_limits<std::size_t>::max();
  // The circumferential fit reaches this many samples either side.
  static constexpr std::int64_t kReach = 3;

  std::size_t index() const { return index_; }
  // Entry c: the terms along the pipe (position, reading) of the sample column c lands on.
  const TermArrays& columnAlong() const { return columnAlong_; }

  // Prepares revolution `revolution` for the grid's column angles.
  void assign(std::size_t revolution, const RevolutionSamples& samples,
              const std::vector<double>& columnAngles);

  // Entry c: the circumferential value at column c, from the seven samples around the one the column
  // lands on, reaching into the previous and next revolution at the ends. Computed on first use.
  const std::vector<double>& circumferential(const RevolutionTerms& previous, const RevolutionTerms& next,
                                             const std::vector<double>& columnAngles);

 private:
  void addAround(const RevolutionTerms& previous, const RevolutionTerms& next, std::int64_t k,
                 ParabolaSums& sums) const;

  std::size_t index_ = kNone;
  TermArrays around_;   // entry j: terms of (angle, reading) of sample j
  TermArrays windows_;  // entry k: sums over samples k - kReach .. k + kReach where they exist
  std::vector<std::size_t> columnSamples_;
  std::vector<double> columnPositions_;
  std::vector<double> columnReadings_;
  TermArrays columnAlong_;
  TermArrays columnAround_;
  std::vector<double> circumferential_;
  bool circumferentialReady_ = false;
};

// The revolutions a band of rows works on. A row needs three consecutive revolutions, so four
// slots chosen by revolution number never evict one in use.
class TermsCache {
 public:
  TermsCache(const RevolutionList& revolutions, const std::vector<double>& columnAngles)
      : revolutions_(revolutions), columnAngles_(columnAngles) {}

  RevolutionTerms& get(std::size_t index);

 private:
  const RevolutionList& revolutions_;
  const std::vector<double>& columnAngles_;
  std::array<RevolutionTerms, 4> slots_;
};

}  // namespace ductora
