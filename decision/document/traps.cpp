// The decision traps' texts and the trap panel's button map (see traps.h).
#include "document/traps.h"

namespace decision {

namespace {

// Index n - 1 is trap n.
constexpr Trap kTraps[kTrapCount] = {
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

// The trap of button IDC_TRAP_BUTTON_1 + i.
constexpr int kTrapOfButton[kTrapCount] = {10, 7, 3, 2, 9, 1, 4, 5, 8, 6};

constexpr std::string_view kEmptyLine = "\r\n\r\n";
constexpr std::string_view kIndent = "    ";

bool is_trap(int n) { return n >= 1 && n <= kTrapCount; }

}  // namespace

const Trap& trap(int n) { return kTraps[is_trap(n) ? n - 1 : 0]; }

std::string stored_trap_text(int n) {
  const Trap& t = trap(n);
  std::string text = t.question;
  text += kEmptyLine;
  text += kIndent;
  text += t.explanation;
  return text;
}

// The empty line is searched as the bytes CR LF CR LF: no GBK character holds either
// byte, so a match never straddles a double-byte character.
TrapText split_trap_text(std::string_view stored) {
  const std::size_t gap = stored.find(kEmptyLine);
  if (gap == std::string_view::npos) return {std::string(stored), {}};
  return {std::string(stored.substr(0, gap)), std::string(stored.substr(gap + kEmptyLine.size()))};
}

int trap_of_button(int button_id) {
  const int i = button_id - IDC_TRAP_BUTTON_1;
  return i >= 0 && i < kTrapCount ? kTrapOfButton[i] : 0;
}

int button_of_trap(int n) {
  for (int i = 0; i < kTrapCount; ++i)
    if (kTrapOfButton[i] == n) return IDC_TRAP_BUTTON_1 + i;
  return 0;
}

}  // namespace decision
