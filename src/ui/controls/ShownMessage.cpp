#include "ui/controls/ShownMessage.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace {

// As the services write them; %1 and %2 stand for the parts they fill in,
// which may be messages of the list themselves (a reason after a colon).
const char* const messages[] = {
    QT_TRANSLATE_NOOP("Message", "No emojis resource found"),
    QT_TRANSLATE_NOOP("Message", "Trying to add duplicated shortcuts"),
    QT_TRANSLATE_NOOP("Message", "Duplicates in initial list: [%1]"),
    QT_TRANSLATE_NOOP("Message", "Autopaste is not available in this session: the emoji is on the "
                                 "clipboard, paste it with Ctrl+V"),
    QT_TRANSLATE_NOOP("Message",
                      "Autopaste is not available in this session: the compositor does not offer "
                      "the virtual keyboard protocol. The emoji is on the clipboard, paste it "
                      "with Ctrl+V"),
    QT_TRANSLATE_NOOP("Message",
                      "On this desktop Autopaste needs the wtype program, which is not installed."),
    QT_TRANSLATE_NOOP("Message", "This session has no desktop that Tesselle can type into."),
    QT_TRANSLATE_NOOP("Message", "Autopaste needs the wtype program, which cannot be started: %1"),
    QT_TRANSLATE_NOOP("Message", "wtype did not send Ctrl+V within %1 s"),
    QT_TRANSLATE_NOOP("Message", "wtype crashed while sending Ctrl+V"),
    QT_TRANSLATE_NOOP("Message", "wtype did not send the emoji within %1 s"),
    QT_TRANSLATE_NOOP("Message", "wtype crashed while sending the emoji"),
    QT_TRANSLATE_NOOP("Message", "Autopaste needs an X11 session"),
    QT_TRANSLATE_NOOP("Message", "Autopaste needs an X11 session; cannot open the display %1"),
    QT_TRANSLATE_NOOP("Message", "No window was active before the panel opened"),
    QT_TRANSLATE_NOOP("Message", "The window to paste into is gone"),
    QT_TRANSLATE_NOOP("Message", "Cannot activate the window to paste into"),
    QT_TRANSLATE_NOOP("Message", "Cannot send Ctrl+V"),
    QT_TRANSLATE_NOOP("Message", "Cannot send Shift+Insert to the terminal"),
    QT_TRANSLATE_NOOP("Message",
                      "This desktop offers no remote desktop portal, through which Tesselle would "
                      "type into other windows."),
    QT_TRANSLATE_NOOP("Message", "This desktop's remote desktop portal offers no keyboard."),
    QT_TRANSLATE_NOOP("Message", "This desktop asks for it once in every session."),
    QT_TRANSLATE_NOOP("Message", "The desktop portal did not open a remote desktop session"),
    QT_TRANSLATE_NOOP("Message", "The desktop has not yet allowed Tesselle to type: the emoji is "
                                 "on the clipboard, paste it with Ctrl+V"),
    QT_TRANSLATE_NOOP("Message", "The desktop did not allow Tesselle to type into other windows; "
                                 "Tesselle asks again at its next start."),
    QT_TRANSLATE_NOOP("Message", "The keyboard shortcut needs an X11 session"),
    QT_TRANSLATE_NOOP("Message", "Another program uses %1"),
    QT_TRANSLATE_NOOP("Message", "%1 cannot be a keyboard shortcut"),
    QT_TRANSLATE_NOOP("Message", "The desktop cannot hold %1"),
    QT_TRANSLATE_NOOP("Message", "The desktop did not take the key"),
    QT_TRANSLATE_NOOP("Message", "The desktop portal did not open a shortcuts session"),
    QT_TRANSLATE_NOOP("Message", "The desktop portal did not answer %1"),
    QT_TRANSLATE_NOOP("Message", "The desktop portal refused %1: %2"),
    QT_TRANSLATE_NOOP("Message", "No tray shows Tesselle's icon here: press %1, or start tesselle "
                                 "again, to open Tesselle."),
    QT_TRANSLATE_NOOP("Message", "No tray shows Tesselle's icon here: start tesselle again to "
                                 "open Tesselle (a keyboard shortcut of your desktop can run it)."),
    QT_TRANSLATE_NOOP("Message", "espanso is not installed: no `espanso` on PATH"),
    QT_TRANSLATE_NOOP("Message", "espanso is not installed"),
    QT_TRANSLATE_NOOP("Message", "espanso is not running"),
    QT_TRANSLATE_NOOP("Message", "Could not read the espanso match file %1"),
    QT_TRANSLATE_NOOP("Message", "Could not write the espanso match file %1"),
    QT_TRANSLATE_NOOP("Message", "The entry to change is not in the espanso match file %1"),
    QT_TRANSLATE_NOOP("Message",
                      "Could not take the shortcuts out of the list, %1 are left in it: %2"),
    QT_TRANSLATE_NOOP("Message", "an unknown number"),
};

struct Pattern {
    const char* source;
    QRegularExpression expression;
};

QList<Pattern> patterns() {
    QList<Pattern> list;
    for (const char* source : messages) {
        QStringList parts =
            QString::fromUtf8(source).split(QRegularExpression(QStringLiteral("%\\d")));
        for (QString& part : parts)
            part = QRegularExpression::escape(part);
        const QString expression = parts.join(QStringLiteral("(.*)"));
        list << Pattern{source,
                        QRegularExpression(QRegularExpression::anchoredPattern(expression))};
    }
    return list;
}

} // namespace

QString shownMessage(const QString& message) {
    static const QList<Pattern> known = patterns();
    for (const Pattern& pattern : known) {
        const QRegularExpressionMatch match = pattern.expression.match(message);
        if (!match.hasMatch())
            continue;
        QString shown = QCoreApplication::translate("Message", pattern.source);
        for (int part = 1; part <= match.lastCapturedIndex(); ++part)
            shown = shown.arg(shownMessage(match.captured(part)));
        return shown;
    }
    return message;
}
