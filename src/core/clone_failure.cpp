#include "core/clone_failure.h"

#include "core/conversions.h"

namespace qx210 {

namespace {

QString Address(int address) { return QStringLiteral("0x") + WordToHex(address); }

constexpr Bilingual kNoAnswer{"编程请求没有得到任何应答。", "No answer to the program request."};
constexpr Bilingual kNotAcknowledged{"对编程请求的应答不是确认字节 06：%1。",
                                     "The answer to the program request is not an acknowledgement (06): %1."};
constexpr Bilingual kNoIdentification{"对讲机确认了编程请求，但没有发送型号标识。",
                                      "The radio acknowledged the program request but sent no identification."};
constexpr Bilingual kWrongIdentification{"型号标识不是 QX-210 的：%1。", "The identification is not a QX-210's: %1."};
constexpr Bilingual kNoAnswerAfterIdentification{"型号标识之后没有应答。", "No answer after the identification."};
constexpr Bilingual kNoAnswerAfterBlock{"数据块 %1 之后没有应答。", "No answer after block %1."};
constexpr Bilingual kDamagedAfterIdentification{"型号标识之后收到损坏的应答。",
                                                "A damaged reply after the identification."};
constexpr Bilingual kDamagedReply{"在 %1 处收到损坏的应答。", "A damaged reply at %1."};
constexpr Bilingual kBandUnanswered{"频段不符的提问没有在对讲机等待的时间内得到回答。",
                                    "The band question was not answered before the radio stopped waiting."};
constexpr Bilingual kPortLost{"端口已断开。", "The port went away."};
constexpr Bilingual kPortLostBecause{"端口已断开（%1）。", "The port went away (%1)."};

}  // namespace

QString DescribeBytes(const QByteArray& bytes, int limit) {
  const QByteArray shown = bytes.left(limit);
  QString text = QString::fromLatin1(shown.toHex(' ').toUpper());
  if (bytes.size() > limit) text += QStringLiteral(" …");
  bool printable = !shown.isEmpty();
  for (const char c : shown) printable = printable && c >= 0x20 && c <= 0x7E;
  if (printable) text += QStringLiteral(" (\"%1\")").arg(QString::fromLatin1(shown));
  return text;
}

QString DescribeFailure(const CloneFailure& failure, UiLanguage language) {
  using Kind = CloneFailure::Kind;
  const auto say = [language](const Bilingual& text) { return text.text(language); };
  switch (failure.kind) {
    case Kind::None:
      return {};
    case Kind::NoAnswer:
      return say(kNoAnswer);
    case Kind::NotAcknowledged:
      return say(kNotAcknowledged).arg(DescribeBytes(failure.received));
    case Kind::NoIdentification:
      return say(kNoIdentification);
    case Kind::WrongIdentification:
      return say(kWrongIdentification).arg(DescribeBytes(failure.received));
    case Kind::NoAnswerAfterBlock:
      return failure.address < 0 ? say(kNoAnswerAfterIdentification)
                                 : say(kNoAnswerAfterBlock).arg(Address(failure.address));
    case Kind::DamagedReply:
      return failure.address < 0 ? say(kDamagedAfterIdentification) : say(kDamagedReply).arg(Address(failure.address));
    case Kind::BandUnanswered:
      return say(kBandUnanswered);
    case Kind::PortLost:
      return failure.reason.isEmpty() ? say(kPortLost) : say(kPortLostBecause).arg(failure.reason);
  }
  return {};
}

QString FailureResult(const CloneFailure& failure) {
  using Kind = CloneFailure::Kind;
  switch (failure.kind) {
    case Kind::None: return QStringLiteral("failed");
    case Kind::NoAnswer: return QStringLiteral("no answer");
    case Kind::NotAcknowledged:
      return QStringLiteral("not acknowledged (%1)").arg(QString::fromLatin1(failure.received.left(8).toHex(' ').toUpper()));
    case Kind::NoIdentification: return QStringLiteral("no identification");
    case Kind::WrongIdentification:
      return QStringLiteral("not a QX-210 (%1)").arg(QString::fromLatin1(failure.received.left(8).toHex(' ').toUpper()));
    case Kind::NoAnswerAfterBlock:
      return failure.address < 0 ? QStringLiteral("no answer after the identification")
                                 : QStringLiteral("no answer after block %1").arg(Address(failure.address));
    case Kind::DamagedReply:
      return failure.address < 0 ? QStringLiteral("damaged reply after the identification")
                                 : QStringLiteral("damaged reply at %1").arg(Address(failure.address));
    case Kind::BandUnanswered: return QStringLiteral("band question not answered");
    case Kind::PortLost: return QStringLiteral("port went away");
  }
  return QStringLiteral("failed");
}

}  // namespace qx210
