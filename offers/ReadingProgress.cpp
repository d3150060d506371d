#include "ReadingProgress.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QEvent>
#include <QEventLoop>
#include <QFileInfo>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace plumcrest::offers {

ReadingProgress::ReadingProgress(const QString& fileName, QWidget* parent, ReaderForm form)
    : QDialog(parent) {
    const bool closing = form == ReaderForm::ClosingDisclosure;
    setObjectName(closing ? QStringLiteral("dlgReadingClosing")
                          : QStringLiteral("dlgReadingEstimate"));
    setWindowTitle(closing ? tr("Check Closing Disclosure") : tr("Import Loan Estimate"));
    setWindowModality(Qt::ApplicationModal);
    auto* label = new QLabel(tr("Reading %1...").arg(fileName), this);
    label->setTextFormat(Qt::PlainText);
    label->setObjectName(QStringLiteral("lblReading"));
    auto* bar = new QProgressBar(this);
    bar->setObjectName(QStringLiteral("barReading"));
    bar->setRange(0, 0); // how long it takes cannot be told beforehand
    bar->setTextVisible(false);
    bar->setAccessibleName(closing ? tr("Reading the Closing Disclosure")
                                   : tr("Reading the Loan Estimate"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("btnCancelReading"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(bar);
    layout->addWidget(buttons);
    setMinimumWidth(fontMetrics().averageCharWidth() * 48);
}

bool ReadingProgress::eventFilter(QObject* watched, QEvent* event) {
    // Installed on the application while the reader runs: the input of every other window is
    // held back, the window's own goes through.
    const auto* widget = qobject_cast<const QWidget*>(watched);
    const bool mine = widget && (widget == this || isAncestorOf(widget));
    switch (event->type()) {
    case QEvent::ShortcutOverride:
        if (!mine) {
            // Claimed, so that no window's shortcut runs either.
            event->accept();
            return true;
        }
        break;
    case QEvent::Shortcut:
        // A shortcut's owner is its action or shortcut object, never this window's.
        return !mine;
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::Drop:
        if (widget && !mine)
            return true;
        break;
    case QEvent::Close:
        // The windows stay while their reading runs; Cancel comes first.
        if (widget && !mine && widget->isWindow()) {
            event->ignore();
            return true;
        }
        break;
    default:
        break;
    }
    return QDialog::eventFilter(watched, event);
}

ImportReading ReadWithProgress(const QString& program, const QString& file, QWidget* parent,
                               ReaderForm form) {
    ReaderRun run(program, file);
    run.SetForm(form);
    ReadingProgress progress(QFileInfo(file).fileName(), parent, form);
    QEventLoop loop;
    QObject::connect(&run, &ReaderRun::Finished, &loop, &QEventLoop::quit);
    // Escape, the Cancel button and the window's close all cancel.
    QObject::connect(&progress, &QDialog::rejected, &run, &ReaderRun::Cancel);
    QTimer show;
    show.setSingleShot(true);
    QObject::connect(&show, &QTimer::timeout, &progress, [&progress] {
        progress.show();
        progress.raise();
        progress.activateWindow();
    });
    qApp->installEventFilter(&progress);
    run.Start();
    if (!run.Done()) {
        show.start(kReadingProgressDelayMs);
        loop.exec();
    }
    qApp->removeEventFilter(&progress);
    show.stop();
    progress.hide();
    return run.Result();
}

} // namespace plumcrest::offers
