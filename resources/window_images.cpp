#include "window_images.h"

#include <array>

namespace ductora::resources {
namespace {

// A steel pipe seen end-on: a ring lit from the upper left, with a darker bore edge.
constexpr const char* kProgramIcon[] = {
    "32 32 8 1",
    ". c None",
    "o c #2E3338",
    "x c #454A50",
    "a c #6E747B",
    "b c #878D94",
    "c c #A0A6AD",
    "d c #B9BEC4",
    "e c #D2D6DA",
    "................................",
    "...........oooooooooo...........",
    ".........ooeeeeddddddoo.........",
    ".......ooeeeeeeddddddddoo.......",
    "......ooeeeeeeeddddddddcoo......",
    ".....oeeeeeeeeedddddddcccco.....",
    "....oeeeeeeeeeedddddddccccco....",
    "...ooeeeeeeeeexxxxdddccccccoo...",
    "...oeeeeeeexxxxxxxxxxccccccco...",
    "..oeeeeeeexxx......xxxcccccbbo..",
    "..oeeeeeexx..........xxccbbbbo..",
    ".oeeeeeexx............xxbbbbbbo.",
    ".oeeeeeexx............xxbbbbbbo.",
    ".oeeeeeex..............xbbbbbbo.",
    ".oeeeeexx..............xxbbbbbo.",
    ".odddddxx..............xxbbbbbo.",
    ".odddddxx..............xxbbbbbo.",
    ".odddddxx..............xxaaaaao.",
    ".oddddddx..............xaaaaaao.",
    ".oddddddxx............xxaaaaaao.",
    ".oddddddxx............xxaaaaaao.",
    "..oddddccxx..........xxaaaaaao..",
    "..oddcccccxxx......xxxaaaaaaao..",
    "...occcccccxxxxxxxxxxaaaaaaao...",
    "...ooccccccbbbxxxxaaaaaaaaaoo...",
    "....occcccbbbbbbbaaaaaaaaaao....",
    ".....occccbbbbbbbaaaaaaaaao.....",
    "......oocbbbbbbbbaaaaaaaoo......",
    ".......oobbbbbbbbaaaaaaoo.......",
    ".........oobbbbbbaaaaoo.........",
    "...........oooooooooo...........",
    "................................",
};

// A crosshair outlined in white so it shows on dark and light views alike; it points at its
// centre dot.
constexpr const char* kCrosshairCursor[] = {
    "32 32 3 1",
    ". c None",
    "X c #000000",
    "w c #FFFFFF",
    "................................",
    "..............www...............",
    "..............wXw...............",
    "..............wXw...............",
    "..............wXw...............",
    "..............wXw...............",
    "..............wXw...............",
    "..............wXw...............",
    "..............wXw...............",
    "..............wXw...............",
    "..............wXw...............",
    "..............wXw...............",
    "..............www...............",
    "................................",
    ".wwwwwwwwwwww.www.wwwwwwwwwwww..",
    ".wXXXXXXXXXXw.wXw.wXXXXXXXXXXw..",
    ".wwwwwwwwwwww.www.wwwwwwwwwwww..",
    "................................",
    "..............www...............",
    "..............wXw...............",
    "..............wXw...............",
    "..............wXw...............",
    "..............wXw...............",
    "..............wXw...............",
    "..............wXw...............",
    "..............wXw...............",
    "..............wXw...............",
    "..............wXw...............",
    "..............wXw...............",
    "..............www...............",
    "................................",
    "................................",
};

constexpr auto kImages = std::to_array<WindowImage>({
    {kProgramIconId, kProgramIcon},
    {kCrosshairCursorId, kCrosshairCursor, 15, 15},
});

}  // namespace

const WindowImage* FindWindowImage(int id) {
  for (const WindowImage& image : kImages) {
    if (image.id == id) return &image;
  }
  return nullptr;
}

}  // namespace ductora::resources
