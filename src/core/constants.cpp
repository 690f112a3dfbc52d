#include "core/constants.h"

namespace lf {

// GBK bytes are spelled out so that the block is the same whichever
// compiler and execution character set builds it.
alignas(16) const ConstantBlock kConstants = {
    "",
    "href=\"",
    "\"",
    "//",
    "\xCD\xF8\xD6\xB7",          // 网址
    "\xD5\xD2\xB5\xBD\xD4\xBC",  // 找到约
    "\xCC\xF5",                  // 条
};

}  // namespace lf
