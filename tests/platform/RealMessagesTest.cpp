// The real message boxes: a text that quotes a file's name or words shows as written.

#include "Services.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

using namespace plumcrest;

namespace {

const QString kMarkup =
    QStringLiteral("The Loan Estimate <h1 style='color:green'>Imported OK<h1>.pdf "
                   "cannot be imported.");

// Answers the box that opens next, after noting how it shows its text.
void AnswerNextBox(Qt::TextFormat* format, QString* shown) {
    QTimer::singleShot(0, [format, shown] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        const auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
        *format = label ? label->textFormat() : box->textFormat();
        *shown = label ? label->text() : QString();
        box->buttons().front()->click();
    });
}

} // namespace

class RealMessagesTest : public QObject {
    Q_OBJECT

private slots:
    // State: a message quoting a file named like markup. Action: the real box shows it.
    // Expected: plain text, as written, in both kinds of box.
    void a_message_with_markup_shows_as_written() {
        Qt::TextFormat format = Qt::RichText;
        QString shown;
        AnswerNextBox(&format, &shown);
        platform::TheMessages().Show(nullptr, platform::MessageIcon::Information,
                                     QStringLiteral("Information"), kMarkup);
        QCOMPARE(format, Qt::PlainText);
        QCOMPARE(shown, kMarkup);

        format = Qt::RichText;
        AnswerNextBox(&format, &shown);
        platform::TheMessages().Ask(nullptr, QStringLiteral("Question"), kMarkup);
        QCOMPARE(format, Qt::PlainText);
    }
};

QTEST_MAIN(RealMessagesTest)
#include "RealMessagesTest.moc"
