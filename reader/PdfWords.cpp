#include "PdfWords.h"

#include "DrawingCost.h"

#include <QColorSpace>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QImage>
#include <poppler-qt6.h>
#include <unordered_map>

namespace plumcrest::reader {

namespace {

void Quiet(const QString&, const QVariant&) {
    // Poppler's complaints about a damaged file are not the user's business; the refusal is.
}

// Asked by Poppler now and then while it draws a page's text: past the page's budget it stops.
bool PastBudget(const QVariant& deadline) {
    return QDeadlineTimer(deadline.toLongLong()).hasExpired();
}

// Pages are rendered this coarsely to tell drawn characters from hidden ones: a glyph of the
// form's smallest type still leaves grey pixels, and a page costs a few milliseconds.
constexpr double kInkDpi = 48;
// A character whose box holds no pixel darker than this is not drawn.
constexpr int kInkLevel = 225;

class Ink {
public:
    // `image` as Poppler renders it, 32 bits a pixel.
    explicit Ink(QImage image) : image_(std::move(image)) {
        if (!image_.isNull() && image_.depth() != 32)
            image_ = image_.convertToFormat(QImage::Format_RGB32);
    }

    // Whether the middle of the box (in points) holds any ink: the middle only, as neighbouring
    // glyphs' edges reach into a box.
    bool In(const QRectF& box) const {
        if (image_.isNull())
            return true;
        const double scale = kInkDpi / 72;
        const double middle = box.center().x();
        const double half = std::max(box.width() * 0.3, 0.5);
        const int x0 = std::max(0, static_cast<int>((middle - half) * scale));
        const int x1 = std::min(image_.width(), static_cast<int>((middle + half) * scale + 0.999));
        const int y0 = std::max(0, static_cast<int>(box.top() * scale));
        const int y1 = std::min(image_.height(), static_cast<int>(box.bottom() * scale + 0.999));
        for (int y = y0; y < y1; ++y) {
            const auto* row = reinterpret_cast<const QRgb*>(image_.constScanLine(y));
            for (int x = x0; x < x1; ++x)
                if (Dark(row[x]))
                    return true;
        }
        return false;
    }

private:
    // Whether a pixel is darker than kInkLevel in Qt's own grey of it. Only the few pixels the
    // boxes' middles cover are looked at, and a page has some hundreds of colours, so each
    // colour is converted once, alone, rather than the whole page: converting a pixel depends on
    // that pixel only, so the grey is the one the whole page's conversion gives.
    bool Dark(QRgb pixel) const {
        const auto [at, added] = dark_.try_emplace(pixel, false);
        if (added) {
            QImage one(1, 1, image_.format());
            one.setColorSpace(image_.colorSpace());
            *reinterpret_cast<QRgb*>(one.scanLine(0)) = pixel;
            at->second =
                one.convertToFormat(QImage::Format_Grayscale8).constScanLine(0)[0] < kInkLevel;
        }
        return at->second;
    }

    QImage image_;
    mutable std::unordered_map<QRgb, bool> dark_;
};

bool IsBlank(QChar c) {
    return c.isSpace() || c.category() == QChar::Other_Control;
}

// A word as Poppler gives it, cut where a character is blank (a tab, a control character) or not
// drawn; the pieces not drawn are kept, marked so.
void AddWords(const Poppler::TextBox& box, const Ink& ink, bool checkInk, Page& page) {
    const QString text = box.text();
    QString piece;
    QRectF pieceBox;
    bool pieceDrawn = true;
    const auto flush = [&] {
        if (piece.isEmpty())
            return;
        // Ligatures and compatibility forms ("ﬁ") read as their letters.
        const QString normal = piece.normalized(QString::NormalizationForm_KC);
        page.words.push_back({pieceBox.left(), pieceBox.top(), pieceBox.right(), pieceBox.bottom(),
                              normal.toStdString(), pieceDrawn});
        piece.clear();
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (IsBlank(c)) {
            flush();
            continue;
        }
        QRectF charBox = box.charBoundingBox(static_cast<int>(i));
        if (charBox.isEmpty())
            charBox = box.boundingBox();
        const bool drawn = !checkInk || ink.In(charBox);
        if (!piece.isEmpty() && drawn != pieceDrawn)
            flush();
        if (piece.isEmpty()) {
            pieceBox = charBox;
            pieceDrawn = drawn;
        } else {
            pieceBox = pieceBox.united(charBox);
        }
        piece += c;
        // A surrogate pair has one box.
        if (c.isHighSurrogate() && i + 1 < text.size())
            piece += text.at(++i);
    }
    flush();
}

} // namespace

Refusal RefusalOf(FormKind kind) {
    switch (kind) {
    case FormKind::LoanEstimate:
        return Refusal::None;
    case FormKind::ClosingDisclosure:
        return Refusal::ClosingDisclosure;
    case FormKind::BlankForm:
        return Refusal::BlankForm;
    case FormKind::SeveralForms:
        return Refusal::SeveralForms;
    case FormKind::FirstPageUnreadable:
        return Refusal::FirstPageUnreadable;
    case FormKind::NotTheForm:
        break;
    }
    return Refusal::NotTheForm;
}

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
    case Refusal::ClosingDisclosure:
        return tr("This is a Closing Disclosure, not a Loan Estimate.");
    case Refusal::BlankForm:
        return tr("This is a blank Loan Estimate form: it holds no offer's figures.");
    case Refusal::SeveralForms:
        return tr("This file holds more than one Loan Estimate. Import each from a file of its "
                  "own.");
    case Refusal::TooComplex:
        return tr("This PDF file has a page with far more text or drawing than a Loan Estimate "
                  "has, so it is not read.");
    case Refusal::FirstPageUnreadable:
        return tr("Page 1 of this Loan Estimate cannot be read: it is missing, turned sideways "
                  "or only a picture of the page. The loan's terms are on that page, so import a "
                  "copy with page 1 upright, or type the offer in by hand.");
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
    // What the pages would cost to draw is counted first, so a small file that asks for a
    // million words or for drawings nested without end never reaches Poppler.
    if (CostOfDrawing(
            std::string_view(contents.constData(), static_cast<std::size_t>(contents.size())),
            kMaxPages)
            .beyondLimits) {
        result.refusal = Refusal::TooComplex;
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
    document->setRenderHint(Poppler::Document::Antialiasing, true);
    document->setRenderHint(Poppler::Document::TextAntialiasing, true);
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
            for (const auto& box : boxes)
                AddWords(*box, Ink(QImage()), false, words);
            // Only a page that heads itself as the form's is rendered: a cover page of prose,
            // or a letter, is read as its text layer has it. The rendering keeps to the page's
            // budget too.
            if (MayBeFormPage(words)) {
                const QImage image =
                    page->renderToImage(kInkDpi, kInkDpi, -1, -1, -1, -1, Poppler::Page::Rotate0,
                                        nullptr, nullptr, PastBudget, QVariant(budget.deadline()));
                if (budget.hasExpired()) {
                    result.pages.clear();
                    result.refusal = Refusal::TooComplex;
                    return result;
                }
                const Ink ink(image);
                words.words.clear();
                for (const auto& box : boxes)
                    AddWords(*box, ink, true, words);
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
