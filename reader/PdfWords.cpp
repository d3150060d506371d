#include "PdfWords.h"

#include "DrawingCost.h"
#include "Ink.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QRectF>
#include <algorithm>
#include <cmath>

// Poppler's own classes, not its Qt binding: the binding makes a new text device and a new
// rendering device for every page, so each page loads the fonts and builds the colour
// transforms again, and it brings in Qt's GUI library, which alone takes longer to load than
// reading a page. One device of each kind for the whole file, as Poppler's own tools do.
#include <Error.h>
#include <GlobalParams.h>
#include <PDFDoc.h>
#include <SplashOutputDev.h>
#include <Stream.h>
#include <TextOutputDev.h>
#include <goo/GooString.h>
#include <splash/SplashBitmap.h>

namespace plumcrest::reader {

namespace {

void Quiet(ErrorCategory, Goffset, const char*) {
    // Poppler's complaints about a damaged file are not the user's business; the refusal is.
}

// Asked by Poppler now and then while it reads or draws a page: past the page's budget it stops.
bool PastBudget(void* deadline) {
    return static_cast<const QDeadlineTimer*>(deadline)->hasExpired();
}

// Pages are rendered this coarsely to tell drawn characters from hidden ones: a glyph of the
// form's smallest type still leaves grey pixels, and a page costs a few milliseconds.
constexpr double kInkDpi = 48;
class Ink {
public:
    // `bitmap` as Splash renders it in XBGR8 (blue, green, red, unused: a byte each), or none.
    explicit Ink(const SplashBitmap* bitmap) : bitmap_(bitmap) {}

    // Whether the middle of the box (in points) holds any ink: the middle only, as neighbouring
    // glyphs' edges reach into a box.
    bool In(const QRectF& box) const {
        if (!bitmap_ || !bitmap_->getDataPtr())
            return true;
        const double scale = kInkDpi / 72;
        const double middle = box.center().x();
        const double half = std::max(box.width() * 0.3, 0.5);
        const int x0 = std::max(0, static_cast<int>((middle - half) * scale));
        const int x1 =
            std::min(bitmap_->getWidth(), static_cast<int>((middle + half) * scale + 0.999));
        const int y0 = std::max(0, static_cast<int>(box.top() * scale));
        const int y1 =
            std::min(bitmap_->getHeight(), static_cast<int>(box.bottom() * scale + 0.999));
        const unsigned char* data = bitmap_->getDataPtr();
        for (int y = y0; y < y1; ++y) {
            const unsigned char* row =
                data + static_cast<std::ptrdiff_t>(y) * bitmap_->getRowSize();
            for (int x = x0; x < x1; ++x) {
                const unsigned char* pixel = row + 4 * x;
                if (IsInk(pixel[2], pixel[1], pixel[0]))
                    return true;
            }
        }
        return false;
    }

private:
    const SplashBitmap* bitmap_;
};

// A word as Poppler's text device gives it: its text, its box and each character's box, in
// points from the page's top left.
struct TextBox {
    QString text;
    QRectF box;
    std::vector<QRectF> characters;

    // The box of the i-th character of `text`, or none when Poppler counted otherwise.
    QRectF Character(qsizetype i) const {
        return i >= 0 && static_cast<std::size_t>(i) < characters.size()
                   ? characters[static_cast<std::size_t>(i)]
                   : QRectF();
    }
};

QRectF BoxOf(double xMin, double yMin, double xMax, double yMax) {
    return QRectF(xMin, yMin, xMax - xMin, yMax - yMin);
}

std::vector<TextBox> TextBoxes(TextOutputDev& text) {
    std::vector<TextBox> boxes;
    const std::unique_ptr<TextWordList> list = text.makeWordList();
    if (!list)
        return boxes;
    boxes.reserve(static_cast<std::size_t>(list->getLength()));
    for (int i = 0; i < list->getLength(); ++i) {
        const TextWord* word = list->get(i);
        const std::unique_ptr<GooString> utf8(word->getText());
        double xMin = 0, yMin = 0, xMax = 0, yMax = 0;
        word->getBBox(&xMin, &yMin, &xMax, &yMax);
        TextBox box{QString::fromUtf8(utf8->c_str()), BoxOf(xMin, yMin, xMax, yMax), {}};
        box.characters.reserve(static_cast<std::size_t>(word->getLength()));
        for (int j = 0; j < word->getLength(); ++j) {
            word->getCharBBox(j, &xMin, &yMin, &xMax, &yMax);
            box.characters.push_back(BoxOf(xMin, yMin, xMax, yMax));
        }
        boxes.push_back(std::move(box));
    }
    return boxes;
}

bool IsBlank(QChar c) {
    return c.isSpace() || c.category() == QChar::Other_Control;
}

// A word as Poppler gives it, cut where a character is blank (a tab, a control character) or not
// drawn; the pieces not drawn are kept, marked so.
void AddWords(const TextBox& box, const Ink& ink, bool checkInk, Page& page) {
    const QString& text = box.text;
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
        QRectF charBox = box.Character(i);
        if (charBox.isEmpty())
            charBox = box.box;
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

// A closing mark set in another font than its word ("préstamo" in small type, then ")") comes
// out of Poppler as a word of its own, though it touches the word before: joined to that word,
// so that labels read as they are printed.
void JoinTouchingMarks(Page& page) {
    std::vector<Word> joined;
    joined.reserve(page.words.size());
    for (Word& word : page.words) {
        const bool mark =
            !word.text.empty() && word.text.find_first_not_of(")]}.,;:%") == std::string::npos;
        if (mark && !joined.empty()) {
            Word& before = joined.back();
            const double height = std::min(before.bottom - before.top, word.bottom - word.top);
            const double gap = word.left - before.right;
            const double shift =
                std::fabs((word.top + word.bottom) - (before.top + before.bottom)) / 2;
            if (before.drawn == word.drawn && height > 0 && gap <= 0.05 * height &&
                gap >= -0.5 * height && shift < height / 2) {
                before.text += word.text;
                before.right = std::max(before.right, word.right);
                before.top = std::min(before.top, word.top);
                before.bottom = std::max(before.bottom, word.bottom);
                continue;
            }
        }
        joined.push_back(std::move(word));
    }
    page.words = std::move(joined);
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
        return QCoreApplication::translate("plumcrest::reader", text);
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
    static const GlobalParamsIniter poppler(Quiet);
    // The stream reads `contents` in place; the document owns the stream, not the bytes.
    PDFDoc document(
        new MemStream(const_cast<char*>(contents.constData()), 0, contents.size(), Object(objNull)),
        GooString(""), GooString(""));
    if (!document.isOk()) {
        result.refusal =
            document.getErrorCode() == errEncrypted ? Refusal::Locked : Refusal::Damaged;
        return result;
    }
    const int count = std::min(document.getNumPages(), kMaxPages);
    if (count <= 0) {
        result.refusal = Refusal::Damaged;
        return result;
    }
    TextOutputDev text(nullptr, false, 0, false, false);
    SplashColor paper{255, 255, 255};
    SplashOutputDev render(splashModeXBGR8, 4, false, paper);
    render.setFontAntialias(true);
    render.setVectorAntialias(true);
    render.setFreeTypeHinting(false, false);
    bool renderStarted = false;
    bool anyWord = false;
    for (int index = 0; index < count; ++index) {
        const int number = index + 1;
        ::Page* page = document.getPage(number);
        Page words;
        if (page) {
            // The page's size as it is shown: its crop box, turned with the page.
            const bool sideways = page->getRotate() == 90 || page->getRotate() == 270;
            words.width = sideways ? page->getCropHeight() : page->getCropWidth();
            words.height = sideways ? page->getCropWidth() : page->getCropHeight();
            QDeadlineTimer budget(kPageTimeBudgetMs);
            document.displayPageSlice(&text, number, 72, 72, 0, false, false, false, -1, -1, -1, -1,
                                      PastBudget, &budget);
            const std::vector<TextBox> boxes = TextBoxes(text);
            if (budget.hasExpired() || boxes.size() > kMaxWordsPerPage) {
                result.pages.clear();
                result.refusal = Refusal::TooComplex;
                return result;
            }
            for (const auto& box : boxes)
                AddWords(box, Ink(nullptr), false, words);
            // Only a page that heads itself as the form's is rendered: a cover page of prose,
            // or a letter, is read as its text layer has it. The rendering keeps to the page's
            // budget too.
            if (MayBeFormPage(words)) {
                if (!renderStarted) {
                    render.startDoc(&document);
                    renderStarted = true;
                }
                document.displayPageSlice(&render, number, kInkDpi, kInkDpi, 0, false, true, false,
                                          -1, -1, -1, -1, PastBudget, &budget);
                if (budget.hasExpired()) {
                    result.pages.clear();
                    result.refusal = Refusal::TooComplex;
                    return result;
                }
                const Ink ink(render.getBitmap());
                words.words.clear();
                for (const auto& box : boxes)
                    AddWords(box, ink, true, words);
            }
            JoinTouchingMarks(words);
        }
        anyWord = anyWord || !words.words.empty();
        result.pages.push_back(std::move(words));
    }
    if (!anyWord)
        result.refusal = Refusal::NoText;
    return result;
}

} // namespace plumcrest::reader
