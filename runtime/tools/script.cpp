#include "runtime/tools/script.h"

#include "runtime/base/error.h"
#include "runtime/components/host.h"
#include "runtime/components/server.h"
#include "runtime/forms/button.h"
#include "runtime/forms/label.h"
#include "runtime/forms/textbox.h"
#include "runtime/testing/testing.h"
#include "runtime/tools/notation.h"

#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStringDecoder>
#include <QWidget>

#include <charconv>
#include <optional>

namespace runtime::tools {
namespace {

using components::CallKind;
using components::CallResult;
using components::Instance;

Text twips(float value)
{
    char digits[32];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    return QString::fromLatin1(digits, end - digits);
}

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

// The window the control lives in, off screen, and the interpreter of the commands.
struct ScriptRunner::Host : components::Site {
    std::shared_ptr<Instance> instance;
    Print print;
    QWidget window;
    testing::ScriptedMessages messages;
    int lineNumber = 0;
    bool understood = true;

    Host(std::shared_ptr<Instance> hosted, Print printer) : instance(std::move(hosted)), print(std::move(printer))
    {
        messages.whileShown = [this](const MessageBoxRequest& request) {
            print(QStringLiteral("message %1").arg(Variant(request.text).literal()));
        };
        instance->setEventHandler([this](const components::MemberInfo& event, Arguments& arguments) {
            QStringList values;
            for (const Variant& argument : arguments)
                values.append(argument.literal());
            print(values.isEmpty() ? QStringLiteral("event %1").arg(event.name)
                                   : QStringLiteral("event %1 %2").arg(event.name, values.join(QStringLiteral(", "))));
        });
        instance->widget()->setParent(&window);
        instance->setSite(this);
        window.show();
        window.activateWindow();
        QCoreApplication::processEvents();
        // Placed at its design size, as a container places a new control.
        extentRequested(instance->control()->width(), instance->control()->height());
        if (QWidget* first = instance->focusWidget())
            first->setFocus(Qt::OtherFocusReason);
    }

    ~Host() override
    {
        instance->setSite(nullptr);
    }

    void extentRequested(float width, float height) override
    {
        window.resize(static_cast<int>(width / twipsPerPixel) + 1, static_cast<int>(height / twipsPerPixel) + 1);
        instance->setExtent(width, height);
    }

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
        if (const components::MemberInfo* member = components::findMember(instance->typeInfo(), word))
            return member->id;
        fault(QStringLiteral("the control has no member named %1").arg(word));
        return std::nullopt;
    }

    Control* childOf(const Text& name)
    {
        UserControl* control = instance->control();
        Control* child = control ? control->child(name) : nullptr;
        if (!child)
            fault(QStringLiteral("the control has no child named %1").arg(name));
        return child;
    }

    void report(const Text& command, const CallResult& result, bool hasResult)
    {
        if (!result.ok())
            print(QStringLiteral("%1 -> error %2: %3").arg(command).arg(result.error).arg(result.errorText));
        else
            print(QStringLiteral("%1 -> %2").arg(command, hasResult ? result.value.literal() : QStringLiteral("ok")));
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
        const CallResult result = instance->invoke(*id, kind, arguments);
        const components::MemberInfo* member = components::findMember(instance->typeInfo(), *id);
        const bool hasResult = kind == CallKind::PropertyGet
            || (kind == CallKind::Method && member && member->result != ValueType::Empty);
        report(line, result, hasResult);
        for (std::size_t index = 0; index < arguments.size(); ++index) {
            if (!(arguments[index] == passed[index]))
                print(QStringLiteral("  argument %1 is now %2").arg(index + 1).arg(arguments[index].literal()));
        }
    }

    void sendKey(int key, const Text& text)
    {
        QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : &window;
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
        QApplication::sendEvent(target, &press);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
        QApplication::sendEvent(QApplication::focusWidget() ? QApplication::focusWidget() : &window, &release);
    }

    void typeText(const Text& text)
    {
        for (const QChar character : text) {
            int key = character.unicode();
            if (character.isLetter())
                key = character.toUpper().unicode();
            sendKey(key, Text(character));
        }
    }

    void pressKey(const Text& name)
    {
        static const std::pair<const char16_t*, std::pair<int, const char16_t*>> keys[] = {
            {u"Backspace", {Qt::Key_Backspace, u"\b"}}, {u"Tab", {Qt::Key_Tab, u"\t"}},
            {u"Return", {Qt::Key_Return, u"\r"}},       {u"Delete", {Qt::Key_Delete, u""}},
            {u"Space", {Qt::Key_Space, u" "}},
        };
        for (const auto& [keyName, key] : keys) {
            if (name == QStringView(keyName))
                return sendKey(key.first, Text::fromUtf16(key.second));
        }
        fault(QStringLiteral("%1 is no key this script knows").arg(name));
    }

    void click(Control& child)
    {
        // The click lands on what lies at the child's centre: a list box takes it in the
        // area inside its frame, not in the frame itself.
        QWidget* widget = child.widget();
        const QPoint middle(widget->width() / 2, widget->height() / 2);
        if (QWidget* inner = widget->childAt(middle))
            widget = inner;
        const QPointF centre = widget->mapFrom(child.widget(), middle);
        const QPointF global = widget->mapToGlobal(centre);
        QMouseEvent press(QEvent::MouseButtonPress, centre, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(widget, &press);
        QMouseEvent release(QEvent::MouseButtonRelease, centre, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(widget, &release);
    }

    Text textOf(Control& child)
    {
        if (auto* box = dynamic_cast<TextBox*>(&child))
            return box->text();
        if (auto* label = dynamic_cast<Label*>(&child))
            return label->caption();
        if (auto* button = dynamic_cast<Button*>(&child))
            return button->caption();
        return {};
    }

    bool controlAlive(const Text& command)
    {
        if (instance->isAlive())
            return true;
        print(QStringLiteral("%1 -> error %2: The control has been destroyed").arg(command).arg(callerror::ObjectDestroyed));
        return false;
    }

    void runLine(const Text& rawLine)
    {
        const Text line = rawLine.trimmed();
        if (line.isEmpty() || line.startsWith(u'\'') || line.startsWith(u'#'))
            return;
        Text wordFault;
        const std::optional<QStringList> parsed = wordsOf(line, wordFault);
        if (!parsed)
            return fault(wordFault);
        const QStringList& words = *parsed;
        const Text& command = words[0];
        const Text argument = words.value(1);
        if (command == QStringLiteral("call"))
            return callMember(line, words, CallKind::Method);
        if (command == QStringLiteral("get"))
            return callMember(line, words, CallKind::PropertyGet);
        if (command == QStringLiteral("put"))
            return callMember(line, words, CallKind::PropertyPut);
        if (command == QStringLiteral("canunload")) {
            print(QStringLiteral("canunload -> %1").arg(canUnload() ? QStringLiteral("yes") : QStringLiteral("no")));
            return;
        }
        if (command == QStringLiteral("destroy")) {
            instance->destroy();
            print(QStringLiteral("destroy -> ok"));
            return;
        }
        if (!controlAlive(line))
            return;
        if (command == QStringLiteral("resize")) {
            bool widthIsNumber = false;
            bool heightIsNumber = false;
            const float width = words.value(1).toFloat(&widthIsNumber);
            const float height = words.value(2).toFloat(&heightIsNumber);
            if (words.size() != 3 || !widthIsNumber || !heightIsNumber)
                return fault(QStringLiteral("resize needs a width and a height in twips"));
            extentRequested(width, height);
            const UserControl& control = *instance->control();
            print(QStringLiteral("%1 -> %2 x %3").arg(line, twips(control.width()), twips(control.height())));
            return;
        }
        if (command == QStringLiteral("children")) {
            for (const auto& [name, child] : instance->control()->children())
                print(QStringLiteral("%1: left %2, top %3, width %4, height %5")
                          .arg(name, twips(child->left()), twips(child->top()), twips(child->width()),
                               twips(child->height())));
            return;
        }
        if (command == QStringLiteral("focused")) {
            Text name = QStringLiteral("(none)");
            for (const auto& [childName, child] : instance->control()->children()) {
                if (child->widget() && child->widget() == QApplication::focusWidget())
                    name = childName;
            }
            print(QStringLiteral("focused -> %1").arg(name));
            return;
        }
        if (command == QStringLiteral("type"))
            return typeText(line.mid(line.indexOf(u' ') + 1));
        if (command == QStringLiteral("key"))
            return pressKey(argument);
        if (command == QStringLiteral("text") || command == QStringLiteral("focus") || command == QStringLiteral("click")) {
            Control* child = childOf(argument);
            if (!child)
                return;
            if (command == QStringLiteral("text"))
                print(QStringLiteral("%1 -> %2").arg(line, Variant(textOf(*child)).literal()));
            else if (command == QStringLiteral("focus"))
                child->setFocus();
            else
                click(*child);
            return;
        }
        fault(QStringLiteral("unknown command %1").arg(command));
    }

    // What the library itself says, through its entry point.
    bool canUnload() const { return instance->libraryCanUnloadNow() == components::Ok; }
};

ScriptRunner::ScriptRunner(std::shared_ptr<Instance> instance, Print print)
    : host_(std::make_unique<Host>(std::move(instance), std::move(print)))
{
}

ScriptRunner::~ScriptRunner() = default;

bool ScriptRunner::run(const Text& script)
{
    host_->understood = true;
    host_->lineNumber = 0;
    for (const Text& line : script.split(u'\n')) {
        ++host_->lineNumber;
        host_->runLine(line);
    }
    return host_->understood;
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
