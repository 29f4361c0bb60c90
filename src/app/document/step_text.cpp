#include "app/document/step_text.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QLabel>

#include "model/mission.h"
#include "model/record_kind.h"

#include "app/base/text.h"

namespace app {
namespace {

QString translated(const char* text, int n = -1) {
  return QCoreApplication::translate("UndoStep", text, nullptr, n);
}

// The phrase of each verb: %1 its object, %2 its target.
const char* verbPhrase(Verb verb) {
  switch (verb) {
    case Verb::New:
      return QT_TRANSLATE_NOOP("UndoStep", "New %1");
    case Verb::Add:
      return QT_TRANSLATE_NOOP("UndoStep", "Add %1");
    case Verb::AddFromLibrary:
      return QT_TRANSLATE_NOOP("UndoStep", "Add %1 from the library");
    case Verb::Insert:
      return QT_TRANSLATE_NOOP("UndoStep", "Insert %1");
    case Verb::Place:
      return QT_TRANSLATE_NOOP("UndoStep", "Place %1");
    case Verb::Delete:
      return QT_TRANSLATE_NOOP("UndoStep", "Delete %1");
    case Verb::Cut:
      return QT_TRANSLATE_NOOP("UndoStep", "Cut %1");
    case Verb::Paste:
      return QT_TRANSLATE_NOOP("UndoStep", "Paste %1");
    case Verb::Copy:
      return QT_TRANSLATE_NOOP("UndoStep", "Copy %1 to %2");
    case Verb::Move:
      return QT_TRANSLATE_NOOP("UndoStep", "Move %1");
    case Verb::MoveUp:
      return QT_TRANSLATE_NOOP("UndoStep", "Move %1 up");
    case Verb::MoveDown:
      return QT_TRANSLATE_NOOP("UndoStep", "Move %1 down");
    case Verb::Set:
      return QT_TRANSLATE_NOOP("UndoStep", "Set %1 to %2");
    case Verb::Clear:
      return QT_TRANSLATE_NOOP("UndoStep", "Clear %1");
    case Verb::Create:
      return QT_TRANSLATE_NOOP("UndoStep", "Create %1");
    case Verb::Change:
      return QT_TRANSLATE_NOOP("UndoStep", "Change %1");
    case Verb::Load:
      return QT_TRANSLATE_NOOP("UndoStep", "Load %1");
    case Verb::Store:
      return QT_TRANSLATE_NOOP("UndoStep", "Store %1");
    case Verb::LinkByRadio:
      return QT_TRANSLATE_NOOP("UndoStep", "Link %1 by radio");
    case Verb::AutoLink:
      return QT_TRANSLATE_NOOP("UndoStep", "Auto-link %1");
    case Verb::Unlink:
      return QT_TRANSLATE_NOOP("UndoStep", "Unlink %1");
    case Verb::AutoBrief:
      return QT_TRANSLATE_NOOP("UndoStep", "Auto-Brief %1");
  }
  return "%1";
}

// One record, several (%n) and every one of a kind.
struct RecordWords {
  const char* one;
  const char* many;
  const char* every;
};

RecordWords recordWords(Records kind) {
  switch (kind) {
    case Records::FlightGroup:
      return {QT_TRANSLATE_NOOP("UndoStep", "flight group"),
              QT_TRANSLATE_NOOP("UndoStep", "%n flight groups"),
              QT_TRANSLATE_NOOP("UndoStep", "every flight group")};
    case Records::Message:
      return {QT_TRANSLATE_NOOP("UndoStep", "message"),
              QT_TRANSLATE_NOOP("UndoStep", "%n messages"),
              QT_TRANSLATE_NOOP("UndoStep", "every message")};
    case Records::Craft:
      return {QT_TRANSLATE_NOOP("UndoStep", "craft"), QT_TRANSLATE_NOOP("UndoStep", "%n craft"),
              QT_TRANSLATE_NOOP("UndoStep", "every craft")};
    case Records::Instruction:
      return {QT_TRANSLATE_NOOP("UndoStep", "instruction"),
              QT_TRANSLATE_NOOP("UndoStep", "%n instructions"),
              QT_TRANSLATE_NOOP("UndoStep", "every instruction")};
    case Records::Briefing:
      return {QT_TRANSLATE_NOOP("UndoStep", "briefing"),
              QT_TRANSLATE_NOOP("UndoStep", "%n briefings"),
              QT_TRANSLATE_NOOP("UndoStep", "every briefing")};
    case Records::Team:
      return {QT_TRANSLATE_NOOP("UndoStep", "team"), QT_TRANSLATE_NOOP("UndoStep", "%n teams"),
              QT_TRANSLATE_NOOP("UndoStep", "every team")};
  }
  return {"", "", ""};
}

}  // namespace

QString editText(std::string_view fieldName) {
  return editText(QString::fromStdString(model::fieldTitle(fieldName)));
}

QString editText(const QString& what) {
  return what.isEmpty() ? translated(QT_TRANSLATE_NOOP("UndoStep", "Edit"))
                        : translated(QT_TRANSLATE_NOOP("UndoStep", "Edit %1")).arg(what);
}

QString shownCaption(const QWidget* control) {
  if (!control) return {};
  QString text;
  if (const auto* button = qobject_cast<const QAbstractButton*>(control)) text = button->text();
  for (const QLabel* label : control->window()->findChildren<QLabel*>())
    if (label->buddy() == control) text = label->text();
  text.remove(QLatin1Char('&'));
  while (text.endsWith(QLatin1Char(':')) || text.endsWith(QLatin1Char(' '))) text.chop(1);
  return text.simplified();
}

QString records(Records kind, int count, const QString& name) {
  const RecordWords w = recordWords(kind);
  if (count == Every) return translated(w.every);
  if (count != 1) return translated(w.many, count);
  const QString one = translated(w.one);
  return name.isEmpty() ? one : one + QLatin1Char(' ') + name;
}

QString flightGroups(const model::Mission& m, const std::vector<int>& rows) {
  const int n = static_cast<int>(rows.size());
  if (n == 1 && rows.front() >= 0 && rows.front() < static_cast<int>(m.flightGroups.size()))
    return records(Records::FlightGroup, 1,
                   fromFile(m.flightGroups[static_cast<std::size_t>(rows.front())].name()));
  return records(Records::FlightGroup, n);
}

QString messages(const std::vector<int>& rows) {
  const int n = static_cast<int>(rows.size());
  return records(Records::Message, n, n == 1 ? QString::number(rows.front() + 1) : QString());
}

QString stepText(Verb verb, const QString& object, const QString& target) {
  const QString phrase = translated(verbPhrase(verb));
  return target.isEmpty() ? phrase.arg(object) : phrase.arg(object, target);
}

}  // namespace app
