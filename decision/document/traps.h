// The ten decision traps: each trap's short name, the question line and the explanation
// the trap dialog shows and the text stored for it in the program's string table.
// Platform-free.
#pragma once

#include <string>
#include <string_view>

namespace decision {

inline constexpr int kTrapCount = 10;

struct Trap {
  const char* name;         // "…陷阱"; the trap panel labels its button without that ending
  const char* question;     // "何谓" + name + "？"
  const char* explanation;  // one paragraph
};

// The table is in the header so that the build-time painter, which compiles texts as
// UTF-8, labels the trap panel's picture with the very names the program shows.
// Index n - 1 is trap n.
inline constexpr Trap kTraps[kTrapCount] = {
    {"过于自信陷阱", "何谓过于自信陷阱？", "对于特定的做法，如果过去的经验或相关经验是成功的，就可能会过分自信。"},
    {"心理记忆陷阱", "何谓心理记忆陷阱？", "过去发生过的事件在头脑中留有深刻的记忆，使你的思维偏向于某一方向。"},
    {"有利证据陷阱", "何谓有利证据陷阱？",
     "只寻找和强调那些支持自己偏好意见的证据，轻视和躲避同自己意见相反的信息。"},
    {"过于审慎陷阱", "何谓过于审慎陷阱？", "对于特定的做法，如果过去的经验或相关经验是失败的，就会能会过分谨慎。"},
    {"情绪化陷阱", "何谓情绪化陷阱？",
     "当一个人情绪波动较大，或者在焦虑、愤激的情绪驱动下，很容易丧失清晰的分析判断能力，而做出糟糕透顶的决策。"},
    {"框架陷阱", "何谓框架陷阱？",
     "趋利避害是人的本能。为了确保安全，人们倾向于接受事物最初的框架，而不愿意冒险突破框架，尝试新的可能性。"},
    {"固守现状陷阱", "何谓固守现状陷阱？",
     "即使现状不好，也不愿意承担风险去改变，如此容易坐失机会。常见借口：等形势隐定一下再说。"},
    {"结构陷阱", "何谓结构陷阱？",
     "结构陷阱也叫表达陷阱。对一个问题的提出和表达方式不恰当，会影响到对此问题的判断。"},
    {"沉没成本陷阱", "何谓沉没成本陷阱？",
     "即使知道原先的做法是错的，但因为投入太多，不舍得放弃，如此往往会造成更大的损失。比如银行的大量不良贷款是"
     "“借新还旧”，试图拯救“沉没成本”，继续向岌岌可危的贷户续贷酿成的，结果越赔越多。"},
    {"沉锚陷阱", "何谓沉锚陷阱？",
     "即对第一印象特别重视（也即先入为主），就象沉入海底的锚一样，思维被固定在某一处。"},
};

// Trap n, 1..kTrapCount (any other n gives trap 1).
constexpr const Trap& trap(int n) { return kTraps[n >= 1 && n <= kTrapCount ? n - 1 : 0]; }

// The text stored for trap n as string resource IDS_TRAP_1 + n - 1: the question line,
// an empty line and the explanation indented by four blanks.
std::string stored_trap_text(int n);

// The trap dialog shows a stored text in two boxes: the heading box gets what comes
// before the first empty line (the question line), the body box everything after it,
// with the paragraph's indent kept, so the explanation reads as an indented paragraph
// under its question.  A text without an empty line is all heading.
struct TrapText {
  std::string heading;
  std::string body;
};
TrapText split_trap_text(std::string_view stored);

}  // namespace decision
