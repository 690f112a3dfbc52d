#include "style/colours.h"

namespace lf {
namespace {

constexpr Corners kHotRim = Vertical(RGB(255, 240, 207), RGB(229, 151, 0));
constexpr Corners kCheckedRim = {RGB(214, 203, 189), RGB(214, 207, 198), RGB(247, 243, 239), RGB(247, 243, 239)};
constexpr Corners kFocusRim1 = Vertical(RGB(206, 231, 255), RGB(105, 130, 238));
constexpr Corners kNormalRim = Vertical(RGB(255, 255, 255), RGB(226, 223, 214));

constexpr Corners kArrowFaceDisabled = {RGB(247, 243, 239), RGB(231, 231, 222), RGB(231, 227, 222), RGB(231, 227, 222)};
constexpr Corners kArrowCornersDisabled = {RGB(247, 247, 247), RGB(247, 243, 239), RGB(247, 243, 239),
                                           RGB(247, 243, 239)};
constexpr Corners kArrowInnerDisabled = {RGB(247, 247, 247), RGB(239, 239, 231), RGB(239, 235, 231),
                                         RGB(231, 231, 222)};
constexpr Corners kArrowCornersPressed1 = {RGB(189, 195, 222), RGB(173, 182, 222), RGB(222, 227, 255),
                                           RGB(222, 227, 247)};
constexpr Corners kArrowCornersHot1 = {RGB(206, 219, 239), RGB(198, 207, 239), RGB(198, 207, 231), RGB(189, 203, 231)};

const Scheme kSchemes[3] = {
    {
        RGB(0, 60, 115),
        Vertical(RGB(209, 204, 193), RGB(242, 241, 238)),
        kHotRim,
        kCheckedRim,
        kFocusRim1,
        kNormalRim,
        {RGB(231, 227, 222), RGB(231, 231, 231), RGB(231, 227, 222), RGB(231, 227, 222)},
        Vertical(RGB(252, 252, 251), RGB(236, 235, 230)),
        RGB(123, 158, 189),
        RGB(123, 158, 189),
        {
            {kArrowFaceDisabled,
             {RGB(165, 174, 222), RGB(189, 203, 247), RGB(115, 130, 222), RGB(181, 199, 247)},
             {RGB(181, 199, 239), RGB(148, 174, 231), RGB(132, 162, 222), RGB(140, 166, 222)},
             {RGB(214, 227, 255), RGB(189, 203, 247), RGB(173, 195, 247), RGB(181, 199, 247)}},
            {kArrowCornersDisabled,
             kArrowCornersPressed1,
             kArrowCornersHot1,
             {RGB(231, 239, 255), RGB(222, 231, 255), RGB(222, 227, 255), RGB(222, 227, 247)}},
            {kArrowInnerDisabled,
             {RGB(107, 142, 247), RGB(132, 150, 247), RGB(140, 158, 239), RGB(214, 223, 239)},
             {RGB(255, 255, 255), RGB(206, 227, 255), RGB(198, 223, 255), RGB(189, 219, 255)},
             {RGB(231, 235, 255), RGB(189, 207, 255), RGB(181, 203, 255), RGB(173, 203, 247)}},
        },
    },
    {
        RGB(55, 98, 6),
        Flat(RGB(239, 227, 206)),
        kHotRim,
        kCheckedRim,
        kHotRim,
        kNormalRim,
        Flat(RGB(239, 227, 206)),
        Vertical(RGB(252, 252, 251), RGB(236, 225, 201)),
        RGB(164, 185, 127),
        RGB(255, 255, 255),
        {
            {kArrowFaceDisabled, Flat(RGB(118, 131, 97)), Flat(RGB(118, 131, 97)), Flat(RGB(142, 153, 125))},
            {kArrowCornersDisabled,
             kArrowCornersPressed1,
             kArrowCornersHot1,
             {RGB(181, 190, 168), RGB(195, 200, 184), RGB(181, 190, 168), RGB(181, 190, 168)}},
            {kArrowInnerDisabled,
             Flat(RGB(139, 147, 119)),
             Flat(RGB(162, 179, 141)),
             {RGB(182, 196, 161), RGB(149, 167, 117), RGB(149, 167, 117), RGB(149, 167, 117)}},
        },
    },
    {
        RGB(0, 60, 116),
        Flat(RGB(239, 227, 206)),
        kHotRim,
        kCheckedRim,
        kFocusRim1,
        kNormalRim,
        Vertical(RGB(179, 178, 197), RGB(252, 252, 251)),
        Vertical(RGB(252, 252, 251), RGB(198, 197, 215)),
        RGB(198, 197, 215),
        RGB(0, 0, 0),
        {
            {kArrowFaceDisabled, Flat(RGB(67, 72, 72)), Flat(RGB(91, 102, 86)), Flat(RGB(148, 149, 162))},
            {kArrowCornersDisabled,
             {RGB(190, 183, 190), RGB(255, 255, 255), RGB(190, 183, 190), RGB(255, 255, 255)},
             {RGB(180, 183, 190), RGB(255, 255, 255), RGB(190, 183, 190), RGB(255, 255, 255)},
             Flat(RGB(255, 255, 255))},
            {kArrowInnerDisabled, Vertical(RGB(191, 194, 219), RGB(255, 255, 255)),
             Vertical(RGB(255, 255, 255), RGB(207, 209, 227)), Vertical(RGB(255, 255, 255), RGB(203, 204, 218))},
        },
    },
};

}  // namespace

COLORREF Darker(COLORREF colour, std::uint32_t amount) {
  COLORREF result = 0;
  for (int shift = 0; shift < 24; shift += 8) {
    const std::uint32_t have = (colour >> shift) & 0xFF;
    const std::uint32_t take = (amount >> shift) & 0xFF;
    result |= (have > take ? have - take : 0) << shift;
  }
  return result;
}

COLORREF FaceColour() { return GetSysColor(COLOR_BTNFACE); }
COLORREF WindowColour() { return GetSysColor(COLOR_WINDOW); }

const Scheme& SchemeFor(std::int32_t style) {
  if (style == 2) return kSchemes[1];
  if (style == 3) return kSchemes[2];
  return kSchemes[0];
}

}  // namespace lf
