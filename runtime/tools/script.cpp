#include "runtime/tools/script.h"

#include "runtime/base/error.h"
#include "runtime/components/host.h"
#include "runtime/components/server.h"
#include "runtime/components/usercontrol.h"
#include "runtime/tools/notation.h"
#include "runtime/tools/scripthost.h"

#include <QApplication>
#include <QFile>
#include <QStringDecoder>

#include <algorithm>
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
        static const std::pair<const char16_t*, std::pair<int, const char16_t*>> keys[] = {
            {u"Backspace", {Qt::Key_Backspace, u"\b"}}, {u"Tab", {Qt::Key_Tab, u"\t"}},
            {u"Return", {Qt::Key_Return, u"\r"}},       {u"Delete", {Qt::Key_Delete, u""}},
            {u"Space", {Qt::Key_Space, u" "}},
        };
        const Text name = words.value(1);
        for (const auto& [keyName, key] : keys) {
            if (name == QStringView(keyName))
                return host.pressKey(key.first, Text::fromUtf16(key.second));
        }
        fault(QStringLiteral("%1 is no key this script knows").arg(name));
    }

    void click(const Text&, const QStringList& words)
    {
        if (Control* child = childOf(words.value(1)))
            host.click(*child);
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
        {u"click", true, &Interpreter::click},
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
