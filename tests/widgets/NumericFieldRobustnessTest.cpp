// Thousands of random key and mouse sequences per mask: the field never crashes, what it shows
// is always a number, and leaving shows that number through the mask.

#include "FakePlatform.h"
#include "LocaleSettings.h"
#include "NumericFieldTest.h"

#include <QClipboard>
#include <QSet>
#include <QTest>
#include <array>
#include <random>

using namespace plumcrest;
using namespace plumcrest::testing;

namespace {

constexpr int kSequencesPerMask = 3000;
constexpr int kLongestSequence = 14;

QString RandomClipboard(std::mt19937& random) {
    static const QString alphabet = QStringLiteral("0123456789.,-a $");
    std::uniform_int_distribution<int> length(0, 14);
    std::uniform_int_distribution<int> pick(0, int(alphabet.size()) - 1);
    QString text;
    for (int i = length(random); i > 0; --i)
        text += alphabet.at(pick(random));
    return text;
}

void RandomAction(TNumericField& field, std::mt19937& random) {
    static const std::array<char, 9> typed{'7', '0', '3', '.', ',', '-', 'q', ' ', '9'};
    switch (std::uniform_int_distribution<int>(0, 13)(random)) {
    case 0:
    case 1:
    case 2:
    case 3:
        QTest::keyClick(
            &field, typed[std::uniform_int_distribution<std::size_t>(0, typed.size() - 1)(random)]);
        break;
    case 4:
        QTest::keyClick(&field, Qt::Key_Backspace);
        break;
    case 5:
        QTest::keyClick(&field, Qt::Key_Delete);
        break;
    case 6:
        QTest::keyClick(&field, Qt::Key_Insert);
        break;
    case 7:
        QTest::keyClick(&field, Qt::Key_Z, Qt::ControlModifier);
        break;
    case 8:
        QGuiApplication::clipboard()->setText(RandomClipboard(random));
        QTest::keyClick(&field, Qt::Key_V, Qt::ControlModifier);
        break;
    case 9:
        QTest::keyClick(&field, Qt::Key_Left, Qt::ShiftModifier);
        break;
    case 10:
        QTest::mouseClick(&field, Qt::LeftButton);
        break;
    case 11:
        QTest::mouseDClick(&field, Qt::LeftButton);
        break;
    case 12:
        QTest::keyClick(&field, Qt::Key_X, Qt::ControlModifier);
        break;
    default:
        QTest::keyClick(&field, typed[0]);
        break;
    }
}

double RandomStartValue(std::mt19937& random) {
    static const std::array<double, 8> values{0.0,  120000.0, 6.75,      -1500.0,
                                              30.0, 0.125,    123456789, -0.004};
    return values[std::uniform_int_distribution<std::size_t>(0, values.size() - 1)(random)];
}

} // namespace

class NumericFieldRobustnessTest : public QObject {
    Q_OBJECT

private slots:
    void random_sequences_leave_a_number_data() {
        QTest::addColumn<int>("which");
        QTest::addColumn<bool>("commaLocale");
        QTest::newRow("money") << 0 << false;
        QTest::newRow("rate") << 1 << false;
        QTest::newRow("years") << 2 << false;
        QTest::newRow("money, comma locale") << 0 << true;
    }
    void random_sequences_leave_a_number() {
        QFETCH(int, which);
        QFETCH(bool, commaLocale);
        FakePlatform platform;
        ScopedLocaleSeparators separators(commaLocale ? LocaleSeparators{U',', U'.'}
                                                      : LocaleSeparators{U'.', U','});
        FieldWindow w;
        QVERIFY(w.active);
        std::array<TNumericField*, 3> fields{&w.money, &w.rate, &w.years};
        TNumericField& field = *fields[std::size_t(which)];
        std::mt19937 random(20240601u + unsigned(which) * 7919u + (commaLocale ? 1u : 0u));
        QSet<QString> results; // proves the sequences reach many different values
        for (int sequence = 0; sequence < kSequencesPerMask; ++sequence) {
            // State: a written value, entered by Tab or by a click.
            field.setFloatValue(RandomStartValue(random));
            if (random() % 2)
                field.setFocus(Qt::TabFocusReason);
            else
                QTest::mouseClick(&field, Qt::LeftButton);
            // Action: random keys and clicks.
            const int length = std::uniform_int_distribution<int>(1, kLongestSequence)(random);
            for (int step = 0; step < length; ++step)
                RandomAction(field, random);
            // Expected: the display is a number, and leaving shows it through the mask.
            const auto value = ParseMaskedText(field.DisplayText().toStdU32String(), field.Layout(),
                                               TheLocaleSeparators());
            QVERIFY2(value.has_value(), qPrintable(field.DisplayText()));
            w.LeaveTo(w.result);
            const std::u32string expected = TrimBlanks(
                FormatIntoMask(static_cast<double>(*value), field.Layout(), TheLocaleSeparators()));
            QCOMPARE(field.DisplayText(), QString::fromStdU32String(expected));
            results.insert(field.DisplayText());
        }
        QVERIFY(platform.messages.shown.empty());
        QVERIFY2(results.size() > 100, qPrintable(QString::number(results.size())));
        QVERIFY(platform.sound.beeps > kSequencesPerMask / 10);
    }
};

QTEST_MAIN(NumericFieldRobustnessTest)
#include "NumericFieldRobustnessTest.moc"
