#pragma once

#include "core/ui_language.h"

// Texts of a read or write exchange: status line, prompts and questions.
namespace qx210::link_texts {

inline constexpr Bilingual kStatusRunning{"正在通信,请稍后……", "It's communicating, please wait......"};
inline constexpr Bilingual kStatusReadDone{"读频成功！", "Read frequency success!"};
inline constexpr Bilingual kStatusWriteDone{"写频成功！", "Write frequency success!"};
inline constexpr Bilingual kStatusBandRefused{"频段不符，不可写入。",
                                              "Frequency band with discrepancies, do not write."};
// Both the band question of override mode and the status text after a No.
inline constexpr Bilingual kBandQuestion{"频段不符，是否继续？",
                                         "Frequency band with discrepancies, do you wish to continue?"};
inline constexpr Bilingual kPromptTitle{"提示", "Prompt"};
inline constexpr Bilingual kPortNotOpen{
    "通信端口未打开，请先选择菜单“通信端口”打开其串口！",
    "Communication port not open, please first selection menu 'communication port' to open its serial ports!"};
inline constexpr Bilingual kCommunicationError{
    "通信出错，请检查对讲机型号、故障、连线及计算机串口的选择！",
    "Communication error, please check the intercom model, fault, attachment and computer serial choice!"};

}  // namespace qx210::link_texts
