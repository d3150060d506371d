#include "PdfWords.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <poppler-qt6.h>

namespace plumcrest::reader {

namespace {

void Quiet(const QString&, const QVariant&) {
    // Poppler's complaints about a damaged file are not the user's business; the refusal is.
}

// Asked by Poppler now and then while it draws a page's text: past the page's budget it stops.
bool PastBudget(const QVariant& deadline) {
    return QDeadlineTimer(deadline.toLongLong()).hasExpired();
}

} // namespace

QString RefusalText(Refusal refusal) {
    const auto tr = [](const char* text) {
        return QCoreApplication::translate("plumcrest::reader::PdfWords", text);
    };
    switch (refusal) {
    case Refusal::None:
        return {};
    case Refusal::NotPdf:
        return tr("This file is not a PDF document.");
    case Refusal::Damaged:
        return tr("This PDF file is damaged and cannot be read.");
    case Refusal::Locked:
        return tr("This PDF file is protected by a password and cannot be read.");
    case Refusal::NoText:
        return tr("This PDF file has no text to read: it is probably a scan. Type the offer in "
                  "by hand.");
    case Refusal::NotTheForm:
        return tr("This PDF file is not a Loan Estimate on the standard form.");
    case Refusal::TooComplex:
        return tr("This PDF file has a page with far more text or drawing than a Loan Estimate "
                  "has, so it is not read.");
    }
    return {};
}

PdfWords ReadPdfWords(const QByteArray& contents) {
    PdfWords result;
    // The header may follow a little junk, as readers allow.
    if (!contents.left(1024).contains("%PDF-")) {
        result.refusal = Refusal::NotPdf;
        return result;
    }
    Poppler::setDebugErrorFunction(Quiet, QVariant());
    const std::unique_ptr<Poppler::Document> document = Poppler::Document::loadFromData(contents);
    if (!document) {
        result.refusal = Refusal::Damaged;
        return result;
    }
    if (document->isLocked()) {
        result.refusal = Refusal::Locked;
        return result;
    }
    const int count = std::min(document->numPages(), kMaxPages);
    if (count <= 0) {
        result.refusal = Refusal::Damaged;
        return result;
    }
    bool anyWord = false;
    for (int index = 0; index < count; ++index) {
        const std::unique_ptr<Poppler::Page> page = document->page(index);
        Page words;
        if (page) {
            const QSizeF size = page->pageSizeF();
            words.width = size.width();
            words.height = size.height();
            const QDeadlineTimer budget(kPageTimeBudgetMs);
            const auto boxes =
                page->textList(Poppler::Page::Rotate0, PastBudget, QVariant(budget.deadline()));
            if (budget.hasExpired() || boxes.size() > kMaxWordsPerPage) {
                result.pages.clear();
                result.refusal = Refusal::TooComplex;
                return result;
            }
            for (const auto& box : boxes) {
                const QRectF rect = box->boundingBox();
                // Ligatures and compatibility forms ("ﬁ") read as their letters.
                const QString text = box->text().normalized(QString::NormalizationForm_KC);
                words.words.push_back(
                    {rect.left(), rect.top(), rect.right(), rect.bottom(), text.toStdString()});
            }
        }
        anyWord = anyWord || !words.words.empty();
        result.pages.push_back(std::move(words));
    }
    if (!anyWord)
        result.refusal = Refusal::NoText;
    return result;
}

} // namespace plumcrest::reader
