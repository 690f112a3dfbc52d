#pragma once
// The system's constant values, all in one block: releasing any of them
// does nothing, resizing one gives a new block with a copy.

namespace lf {

struct ConstantBlock {
  char emptyText[1];
  char linkMarker[7];   // href="
  char quote[2];        // "
  char doubleSlash[3];  // //
  char columnTitle[5];  // 网址
  char titleStart[7];   // 找到约
  char titleEnd[3];     // 条
};

extern const ConstantBlock kConstants;

}  // namespace lf
