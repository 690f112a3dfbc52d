#pragma once
// The fixed texts of the fatal box as GBK bytes, spelled out so that the
// host compiler (which cannot convert to GBK) builds the same bytes as the
// Windows one.

namespace lf::testing {

inline constexpr char kRuntimeErrorGbk[] = "\xD4\xCB\xD0\xD0\xCA\xB1\xB3\xF6\xB4\xED!\r\n\r\n";  // 运行时出错!
inline constexpr char kCodeLabelGbk[] = "\xB4\xED\xCE\xF3\xB4\xFA\xC2\xEB\xA3\xBA";              // 错误代码：
inline constexpr char kTextLabelGbk[] = "\xB4\xED\xCE\xF3\xD0\xC5\xCF\xA2\xA3\xBA";              // 错误信息：
// 数组成员引用下标超出定义范围
inline constexpr char kAboveCountGbk[] =
    "\xCA\xFD\xD7\xE9\xB3\xC9\xD4\xB1\xD2\xFD\xD3\xC3\xCF\xC2\xB1\xEA\xB3\xAC\xB3\xF6\xB6\xA8\xD2\xE5\xB7\xB6\xCE\xA7";
// 数组成员引用下标必须大于等于1
inline constexpr char kBelowOneGbk[] =
    "\xCA\xFD\xD7\xE9\xB3\xC9\xD4\xB1\xD2\xFD\xD3\xC3\xCF\xC2\xB1\xEA\xB1\xD8\xD0\xEB\xB4\xF3\xD3\xDA\xB5\xC8\xD3\xDA"
    "1";
// 分配 1000 字节内存失败!
inline constexpr char kAllocation1000Gbk[] = "\xB7\xD6\xC5\xE4 1000 \xD7\xD6\xBD\xDA\xC4\xDA\xB4\xE6\xCA\xA7\xB0\xDC!";

}  // namespace lf::testing
