// SPDX-License-Identifier: LGPL-2.1-or-later
#include "runtime/tools/script.h"

#include "runtime/base/error.h"
#include "runtime/components/host_p.h"
#include "runtime/components/server.h"
#include "runtime/components/usercontrol.h"
#include "runtime/forms/design.h"
#include "runtime/tools/keynames.h"
#include "runtime/tools/notation.h"
#include "runtime/tools/scripthost.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

#include <algorithm>
#include <cmath>
#include <iterator>
#include <optional>

namespace runtime::tools {
namespace {

using components::CallKind;
using components::CallResult;
using components::Instance;

// A script line cut into words: a quoted text is one word, kept with its quotes.
std::optional<QStringList> wordsOf(const Text& line, Text& fault)
{
    QStringList words;
    qsizetype position = 0;
    while (position < line.size()) {
        const QChar character = line[position];
        if (character.isSpace() || character == u',') {
            ++position;
            continue;
        }
        Text word;
        if (character == u'"') {
            word += u'"';
            ++position;
            bool closed = false;
            while (position < line.size()) {
                if (line[position] == u'"') {
                    if (position + 1 < line.size() && line[position + 1] == u'"') {
                        word += QStringLiteral("\"\"");
                        position += 2;
                        continue;
                    }
                    closed = true;
                    ++position;
                    break;
                }
                word += line[position++];
            }
            if (!closed) {
                fault = QStringLiteral("a text is not closed by a quote");
                return std::nullopt;
            }
            word += u'"';
        } else {
            while (position < line.size() && !line[position].isSpace() && line[position] != u',')
                word += line[position++];
        }
        words.append(word);
    }
    return words;
}

}  // namespace

// Runs the lines against the host: each command is a row of the table below it.
struct ScriptRunner::Interpreter {
    ScriptHost host;
    Print print;
    int lineNumber = 0;
    bool understood = true;

    Interpreter(std::shared_ptr<Instance> instance, const Print& printer) : host(std::move(instance), printer), print(printer) {}

    Instance& instance() const { return host.instance(); }

    void fault(const Text& text)
    {
        understood = false;
        print(QStringLiteral("line %1: %2").arg(lineNumber).arg(text));
    }

    std::optional<MemberId> memberOf(const Text& word)
    {
        for (const QString& prefix : {QStringLiteral("0x"), QStringLiteral("&H")}) {
            if (word.startsWith(prefix, Qt::CaseInsensitive)) {
                bool isNumber = false;
                const std::uint32_t id = word.mid(prefix.size()).toUInt(&isNumber, 16);
                if (isNumber)
                    return static_cast<MemberId>(id);
                fault(QStringLiteral("%1 is no member identifier").arg(word));
                return std::nullopt;
            }
        }
        if (const components::MemberInfo* member = components::findMember(instance().typeInfo(), word))
            return member->id;
        fault(QStringLiteral("the control has no member named %1").arg(word));
        return std::nullopt;
    }

    Control* childOf(const Text& name)
    {
        UserControl* control = instance().control();
        Control* child = control ? control->child(name) : nullptr;
        if (!child)
            fault(QStringLiteral("the control has no child named %1").arg(name));
        return child;
    }

    void callMember(const Text& line, const QStringList& words, CallKind kind)
    {
        if (words.size() < 2)
            return fault(QStringLiteral("%1 needs a member").arg(words[0]));
        const std::optional<MemberId> id = memberOf(words[1]);
        if (!id)
            return;
        // The words keep their quotes, so the arguments read back as they were typed.
        Text valueFault;
        const std::optional<Arguments> typed = argumentsOf(words.mid(2).join(u' '), valueFault);
        if (!typed)
            return fault(valueFault);
        Arguments arguments = *typed;
        const Arguments passed = arguments;
        const CallResult result = instance().invoke(*id, kind, arguments);
        const components::MemberInfo* member = components::findMember(instance().typeInfo(), *id);
        const bool hasResult = kind == CallKind::PropertyGet
            || (kind == CallKind::Method && member && member->result != ValueType::Empty);
        print(callOutcome(line, result, hasResult));
        for (const Text& changed : changedArguments(passed, arguments))
            print(changed);
    }

    void call(const Text& line, const QStringList& words) { callMember(line, words, CallKind::Method); }
    void get(const Text& line, const QStringList& words) { callMember(line, words, CallKind::PropertyGet); }
    void put(const Text& line, const QStringList& words) { callMember(line, words, CallKind::PropertyPut); }

    void resize(const Text& line, const QStringList& words)
    {
        const std::optional<float> width = extentOf(words.value(1));
        const std::optional<float> height = extentOf(words.value(2));
        if (words.size() != 3 || !width || !height)
            return fault(QStringLiteral("resize needs a width and a height from 0 to %1 twips").arg(largestExtent));
        host.extentRequested(*width, *height);
        const UserControl& control = *instance().control();
        print(QStringLiteral("%1 -> %2 x %3").arg(line, twips(control.width()), twips(control.height())));
    }

    void children(const Text&, const QStringList&)
    {
        for (const auto& [name, child] : instance().control()->children())
            print(QStringLiteral("%1: left %2, top %3, width %4, height %5")
                      .arg(name, twips(child->left()), twips(child->top()), twips(child->width()), twips(child->height())));
    }

    void text(const Text& line, const QStringList& words)
    {
        if (Control* child = childOf(words.value(1)))
            print(QStringLiteral("%1 -> %2").arg(line, Variant(child->shownText()).literal()));
    }

    void focus(const Text&, const QStringList& words)
    {
        if (Control* child = childOf(words.value(1)))
            child->setFocus();
    }

    void focused(const Text&, const QStringList&)
    {
        Text name = QStringLiteral("(none)");
        for (const auto& [childName, child] : instance().control()->children()) {
            if (child->widget() && child->widget() == QApplication::focusWidget())
                name = childName;
        }
        print(QStringLiteral("focused -> %1").arg(name));
    }

    void type(const Text& line, const QStringList&)
    {
        const qsizetype space = line.indexOf(u' ');
        if (space < 0)
            return fault(QStringLiteral("type needs the text to type"));
        host.type(line.mid(space + 1));
    }

    void key(const Text&, const QStringList& words)
    {
        Text keyFault;
        const std::optional<KeyStroke> stroke = keyStrokeOf(words.mid(1).join(u' '), keyFault);
        if (!stroke)
            return fault(keyFault);
        host.pressKey(stroke->key, stroke->modifiers, stroke->text);
    }

    // The pixel of the control's surface that a point in twips from its top-left corner
    // falls on; std::nullopt, said, when the words are no point or it lies outside.
    std::optional<QPoint> pointOf(const QStringList& words)
    {
        bool isX = false;
        bool isY = false;
        const float x = words.value(1).toFloat(&isX);
        const float y = words.value(2).toFloat(&isY);
        if (!isX || !isY || !std::isfinite(x) || !std::isfinite(y)) {
            fault(QStringLiteral("%1 needs a point: x and y in twips from the control's top-left corner").arg(words[0]));
            return std::nullopt;
        }
        // Clamped first, so that a point far away stays far away in whole pixels.
        const auto pixel = [](float twips) { return pixels(std::clamp<float>(twips, -largestExtent, largestExtent)); };
        const QPoint point(pixel(x), pixel(y));
        const QSize size = instance().widget()->size();
        if (!instance().widget()->rect().contains(point)) {
            fault(QStringLiteral("%1, %2 is outside the control (pixel %3, %4 of %5 x %6)")
                      .arg(words[1], words[2])
                      .arg(point.x())
                      .arg(point.y())
                      .arg(size.width())
                      .arg(size.height()));
            return std::nullopt;
        }
        return point;
    }

    // The point and what follows it on a line of a mouse command, or std::nullopt, said.
    std::optional<std::pair<QPoint, MouseChord>> mouseAt(const QStringList& words, ButtonWord buttonWord)
    {
        const std::optional<QPoint> point = pointOf(words);
        if (!point)
            return std::nullopt;
        Text chordFault;
        const std::optional<MouseChord> chord = mouseChordOf(words.mid(3), buttonWord, chordFault);
        if (!chord) {
            fault(chordFault);
            return std::nullopt;
        }
        return std::pair(*point, *chord);
    }

    // A press needs its button up, a release needs it down: a mouse has one of each.
    enum class ButtonMust { BeUp, BeDown };
    std::optional<std::pair<QPoint, MouseChord>> buttonAt(const QStringList& words, ButtonMust must)
    {
        const auto mouse = mouseAt(words, ButtonWord::Taken);
        if (!mouse)
            return std::nullopt;
        const Text name = buttonName(mouse->second.button);
        const bool down = host.buttonsDown() & mouse->second.button;
        if (must == ButtonMust::BeUp && down) {
            fault(QStringLiteral("the %1 button is down already").arg(name));
            return std::nullopt;
        }
        if (must == ButtonMust::BeDown && !down) {
            fault(QStringLiteral("the %1 button is not down").arg(name));
            return std::nullopt;
        }
        return mouse;
    }

    void mousedown(const Text&, const QStringList& words)
    {
        if (const auto mouse = buttonAt(words, ButtonMust::BeUp))
            host.mousePress(mouse->first, mouse->second.button, mouse->second.modifiers);
    }

    void mousemove(const Text&, const QStringList& words)
    {
        if (const auto mouse = mouseAt(words, ButtonWord::Refused))
            host.mouseMove(mouse->first, mouse->second.modifiers);
    }

    void mouseup(const Text&, const QStringList& words)
    {
        if (const auto mouse = buttonAt(words, ButtonMust::BeDown))
            host.mouseRelease(mouse->first, mouse->second.button, mouse->second.modifiers);
    }

    void dblclick(const Text&, const QStringList& words)
    {
        if (const auto mouse = buttonAt(words, ButtonMust::BeUp))
            host.doubleClick(mouse->first, mouse->second.button, mouse->second.modifiers);
    }

    void click(const Text&, const QStringList& words)
    {
        if (Control* child = childOf(words.value(1)))
            host.click(*child);
    }

    // Written whole or not at all: a file that cannot be finished is never left half made.
    void snapshot(const Text& line, const QStringList&)
    {
        const qsizetype space = line.indexOf(u' ');
        if (space < 0)
            return fault(QStringLiteral("snapshot needs the name of the PNG file to write"));
        const Text path = QFileInfo(line.mid(space + 1).trimmed()).absoluteFilePath();
        const QImage image = host.snapshot();
        if (image.isNull())
            return fault(QStringLiteral("the control has no pixels to show: it is %1 x %2 twips")
                             .arg(twips(instance().control()->width()), twips(instance().control()->height())));
        QSaveFile file(path);
        if (!file.open(QIODevice::WriteOnly) || !image.save(&file, "PNG") || !file.commit())
            return fault(QStringLiteral("cannot write the snapshot %1: %2").arg(path, file.errorString()));
        print(QStringLiteral("%1 -> %2, %3 x %4 pixels").arg(line, path).arg(image.width()).arg(image.height()));
    }

    // What the library itself says, through its entry point.
    void canunload(const Text&, const QStringList&)
    {
        const bool can = instance().libraryCanUnloadNow() == components::Ok;
        print(QStringLiteral("canunload -> %1").arg(can ? QStringLiteral("yes") : QStringLiteral("no")));
    }

    void destroy(const Text&, const QStringList&)
    {
        instance().destroy();
        print(QStringLiteral("destroy -> ok"));
    }

    bool controlAlive(const Text& command)
    {
        if (instance().isAlive())
            return true;
        print(QStringLiteral("%1 -> error %2: The control has been destroyed").arg(command).arg(RuntimeError::ObjectDestroyed));
        return false;
    }

    void runLine(const Text& rawLine);
};

void ScriptRunner::Interpreter::runLine(const Text& rawLine)
{
    // The commands, as script.h lists them. Those that reach into the control need it
    // alive; calls report a destroyed control as the error of the call.
    static const struct Command {
        QStringView name;
        bool needsLiveControl;
        void (Interpreter::*run)(const Text& line, const QStringList& words);
    } commands[] = {
        {u"call", false, &Interpreter::call},
        {u"get", false, &Interpreter::get},
        {u"put", false, &Interpreter::put},
        {u"canunload", false, &Interpreter::canunload},
        {u"destroy", false, &Interpreter::destroy},
        {u"resize", true, &Interpreter::resize},
        {u"children", true, &Interpreter::children},
        {u"text", true, &Interpreter::text},
        {u"focus", true, &Interpreter::focus},
        {u"focused", true, &Interpreter::focused},
        {u"type", true, &Interpreter::type},
        {u"key", true, &Interpreter::key},
        {u"mousedown", true, &Interpreter::mousedown},
        {u"mousemove", true, &Interpreter::mousemove},
        {u"mouseup", true, &Interpreter::mouseup},
        {u"dblclick", true, &Interpreter::dblclick},
        {u"click", true, &Interpreter::click},
        {u"snapshot", true, &Interpreter::snapshot},
    };

    const Text line = rawLine.trimmed();
    if (line.isEmpty() || line.startsWith(u'\'') || line.startsWith(u'#'))
        return;
    Text wordFault;
    const std::optional<QStringList> words = wordsOf(line, wordFault);
    if (!words)
        return fault(wordFault);
    const auto command = std::find_if(std::begin(commands), std::end(commands),
                                      [&](const Command& row) { return row.name == words->front(); });
    const bool known = command != std::end(commands);
    if ((!known || command->needsLiveControl) && !controlAlive(line))
        return;
    if (!known)
        return fault(QStringLiteral("unknown command %1").arg(words->front()));
    (this->*command->run)(line, *words);
}

ScriptRunner::ScriptRunner(std::shared_ptr<Instance> instance, Print print)
    : interpreter_(std::make_unique<Interpreter>(std::move(instance), print))
{
}

ScriptRunner::~ScriptRunner() = default;

bool ScriptRunner::run(const Text& script)
{
    interpreter_->understood = true;
    interpreter_->lineNumber = 0;
    for (const Text& line : script.split(u'\n')) {
        ++interpreter_->lineNumber;
        interpreter_->runLine(line);
    }
    return interpreter_->understood;
}

Text readScript(const Text& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw RuntimeError(RuntimeError::FileNotFound, QStringLiteral("Cannot read the script %1: %2").arg(path, file.errorString()));
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw RuntimeError(RuntimeError::PathFileAccessError,
                           QStringLiteral("Cannot read the script %1: %2").arg(path, file.errorString()));
    return decodeScript(bytes, path);
}

Text decodeScript(const QByteArray& bytes, const Text& source)
{
    if (const qsizetype nul = bytes.indexOf('\0'); nul >= 0)
        throw RuntimeError(RuntimeError::PathFileAccessError,
                           QStringLiteral("The script %1 holds a NUL byte at byte %2").arg(source).arg(nul));
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    Text text = decoder.decode(bytes);
    if (decoder.hasError())
        throw RuntimeError(RuntimeError::PathFileAccessError, QStringLiteral("The script %1 is not valid UTF-8").arg(source));
    return text.remove(u'\r');
}

}  // namespace runtime::tools
