#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace ductora::testing {
namespace {

namespace fs = std::filesystem;

// A unit is a header with its source, named by its path under src/ without the extension.
using Graph = std::map<std::string, std::set<std::string>>;

Graph UnitIncludes(const fs::path& src, const std::string& layer) {
  Graph graph;
  for (const fs::directory_entry& entry : fs::recursive_directory_iterator(src / layer)) {
    const fs::path& file = entry.path();
    if (file.extension() != ".h" && file.extension() != ".cpp") continue;
    graph[fs::relative(file, src).replace_extension().string()];
  }
  const std::regex include(R"(#include "([^"]+)\.h")");
  for (const fs::directory_entry& entry : fs::recursive_directory_iterator(src / layer)) {
    const fs::path& file = entry.path();
    if (file.extension() != ".h" && file.extension() != ".cpp") continue;
    const std::string unit = fs::relative(file, src).replace_extension().string();
    std::stringstream text;
    text << std::ifstream(file).rdbuf();
    const std::string body = text.str();
    for (std::sregex_iterator it(body.begin(), body.end(), include), end; it != end; ++it) {
      const std::string target = (*it)[1];
      if (target != unit && graph.contains(target)) graph[unit].insert(target);
    }
  }
  return graph;
}

// The units that lie on a circle of includes (Tarjan's strongly connected components).
std::set<std::string> UnitsInCircles(const Graph& graph) {
  std::map<std::string, int> index;
  std::map<std::string, int> low;
  std::vector<std::string> stack;
  std::set<std::string> onStack;
  std::set<std::string> inCircles;
  int next = 0;
  std::function<void(const std::string&)> visit = [&](const std::string& unit) {
    index[unit] = low[unit] = next++;
    stack.push_back(unit);
    onStack.insert(unit);
    for (const std::string& target : graph.at(unit)) {
      if (!index.contains(target)) {
        visit(target);
        low[unit] = std::min(low[unit], low[target]);
      } else if (onStack.contains(target)) {
        low[unit] = std::min(low[unit], index[target]);
      }
    }
    if (low[unit] != index[unit]) return;
    std::vector<std::string> component;
    do {
      component.push_back(stack.back());
      onStack.erase(stack.back());
      stack.pop_back();
    } while (component.back() != unit);
    if (component.size() > 1) inCircles.insert(component.begin(), component.end());
  };
  for (const auto& [unit, targets] : graph) {
    if (!index.contains(unit)) visit(unit);
  }
  return inCircles;
}

// Procedures talk to the windows through the state; a unit that must call back into one that
// includes it has taken a shortcut around it.
TEST(IncludeGraphTest, NoCircleOfIncludesInsideTheApp) {
  EXPECT_EQ(UnitsInCircles(UnitIncludes(DUCTORA_SOURCE_DIR, "app")), std::set<std::string>{});
}

TEST(IncludeGraphTest, FindsACircleOfUnits) {
  const Graph graph = {{"a", {"b"}}, {"b", {"c"}}, {"c", {"a"}}, {"d", {"a"}}};
  EXPECT_EQ(UnitsInCircles(graph), (std::set<std::string>{"a", "b", "c"}));
}

}  // namespace
}  // namespace ductora::testing
