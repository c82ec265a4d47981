#include "ui/text_box_rules.h"

#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <memory>

#include "ui/gbk_qt.h"

namespace tesmira::ui {

bool TypedCharacterFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        const QString text = key->text();
        const bool control = key->modifiers() & (Qt::ControlModifier | Qt::MetaModifier);
        if (!control && !text.isEmpty() && text.at(0).isPrint()) {
            for (const QChar character : text)
                if (!allowed_.contains(character))
                    return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

namespace {

// The box's text as the program reads it: line breaks as CR LF, as the
// program's own boxes give them.
int gbkBytesOf(const QString& plainText) {
    return static_cast<int>(toGbk(plainText).size()) + static_cast<int>(plainText.count('\n'));
}

}  // namespace

void limitGbkBytes(QPlainTextEdit& box, int maxBytes) {
    // The document may not be changed while it reports a change, so the
    // change is remembered and cut down once the edit is complete.
    struct LastEdit {
        int position = 0;
        int added = 0;
        bool enforcing = false;
    };
    auto last = std::make_shared<LastEdit>();
    QTextDocument* document = box.document();
    QObject::connect(document, &QTextDocument::contentsChange, &box,
                     [last](int position, int, int added) {
                         if (!last->enforcing) {
                             last->position = position;
                             last->added = added;
                         }
                     });
    QObject::connect(&box, &QPlainTextEdit::textChanged, &box, [&box, document, maxBytes, last] {
        if (last->enforcing)
            return;
        int excess = gbkBytesOf(document->toPlainText()) - maxBytes;
        if (excess <= 0)
            return;
        last->enforcing = true;
        QTextCursor cursor(document);
        // Take back what was just added, from its end, a character at a
        // time; a text that was too long already loses its own end.
        const int documentEnd = document->characterCount() - 1;
        const bool fromEdit = last->added > 0 && last->position + last->added <= documentEnd;
        int end = fromEdit ? last->position + last->added : documentEnd;
        const int start = fromEdit ? last->position : 0;
        while (excess > 0 && end > start) {
            cursor.setPosition(end);
            cursor.movePosition(QTextCursor::PreviousCharacter, QTextCursor::KeepAnchor);
            const QString removed =
                cursor.selectedText().replace(QChar::ParagraphSeparator, QChar('\n'));
            excess -= gbkBytesOf(removed);
            end = cursor.selectionStart();
            cursor.removeSelectedText();
        }
        box.setTextCursor(cursor);
        last->enforcing = false;
    });
}

}  // namespace tesmira::ui
