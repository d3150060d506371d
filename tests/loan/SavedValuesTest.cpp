#include "SavedValues.h"

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <random>
#include <sstream>
#include <sys/resource.h>

namespace plumcrest {
namespace {

namespace fs = std::filesystem;

constexpr const char* kDefaultFileText = "[LastValues]\n"
                                         "PurchasePrice=120000\n"
                                         "DownPaymentPercent=10\n"
                                         "Term=30\n"
                                         "Interest=6.75\n"
                                         "OriginationFees=1200\n"
                                         "Points=1200\n"
                                         "PrepaidInterest=500\n"
                                         "MIP=500\n"
                                         "Buydown=0\n"
                                         "FloodCheck=50\n"
                                         "TaxService=50\n"
                                         "Other1=0\n"
                                         "Other2=0\n"
                                         "\n"
                                         "[GeneralValues]\n"
                                         "Run=1\n";

LoanInputs TableDefaults() {
    LoanInputs inputs;
    for (const auto& field : kLoanInputFields)
        inputs.*field.member = field.defaultValue;
    return inputs;
}

const LoanInputField& Field(std::string_view key) {
    for (const auto& field : kLoanInputFields)
        if (key == field.key)
            return field;
    throw std::invalid_argument(std::string(key));
}

class SavedValuesTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = testing::TempDir() + "saved-XXXXXX";
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        dir_ = pattern;
        path_ = SavedValuesPath(dir_.string());
    }
    void TearDown() override {
        std::error_code ignored;
        fs::remove_all(dir_, ignored);
    }

    void Put(const std::string& text) const {
        fs::create_directories(fs::path(path_).parent_path());
        std::ofstream(path_, std::ios::binary) << text;
    }
    std::string Get() const {
        std::ifstream in(path_, std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }
    static void ExpectDefaults(const SavedValues& saved) {
        for (const auto& field : kLoanInputFields)
            EXPECT_EQ(saved.inputs.*field.member, field.defaultValue) << field.key;
        EXPECT_FALSE(saved.run);
    }

    fs::path dir_;
    std::string path_;
};

TEST_F(SavedValuesTest, path_is_folder_subfolder_and_file_name) {
    EXPECT_EQ(path_, dir_.string() + "/Quillmore Financial Software/Plumcrest/Plumcrest.ini");
    EXPECT_EQ(SavedValuesPath(""), "");
}

TEST_F(SavedValuesTest, no_file_gives_defaults_and_first_run) {
    ExpectDefaults(LoadSavedValues(path_, '.'));
    ExpectDefaults(LoadSavedValues("", '.'));
}

TEST_F(SavedValuesTest, defaults_are_written_in_table_order) {
    ASSERT_FALSE(fs::exists(fs::path(path_).parent_path())); // the save makes the folder
    SaveValuesAtExit(path_, TableDefaults(), true, '.');
    EXPECT_EQ(Get(), kDefaultFileText);
}

TEST_F(SavedValuesTest, save_then_load_gives_the_same_values) {
    LoanInputs inputs = TableDefaults();
    inputs.PurchasePrice = 99999999.99;
    inputs.Term = 2.5; // loaded from a file, no calculation since
    inputs.Interest = 7.125;
    inputs.Other2 = -1234.56;
    for (const char32_t separator : {U'.', U',', U'\u066B'}) {
        SaveValuesAtExit(path_, inputs, true, separator);
        const SavedValues loaded = LoadSavedValues(path_, separator);
        for (const auto& field : kLoanInputFields)
            EXPECT_EQ(loaded.inputs.*field.member, inputs.*field.member) << field.key;
        EXPECT_TRUE(loaded.run);
    }
    EXPECT_NE(Get().find("Term=2\u066B5\n"), std::string::npos);
}

// State: a file saved under one locale, every input non-zero and different.
// Action: load it under a locale with the other decimal separator.
// Expected: all thirteen values, not thirteen defaults.
TEST_F(SavedValuesTest, values_survive_a_change_of_locale) {
    LoanInputs inputs;
    double value = 1.25;
    for (const auto& field : kLoanInputFields)
        inputs.*field.member = (value += 1.5);
    for (const auto& [written, read] : {std::pair{U',', U'.'}, std::pair{U'.', U','}}) {
        SaveValuesAtExit(path_, inputs, true, written);
        const SavedValues loaded = LoadSavedValues(path_, read);
        for (const auto& field : kLoanInputFields)
            EXPECT_EQ(loaded.inputs.*field.member, inputs.*field.member) << field.key;
    }
}

// State: a file of any shape, its last line unterminated included.  Action: save.
// Expected: the file ends with a line break, as text files on Linux do.
TEST_F(SavedValuesTest, every_save_ends_with_a_line_break) {
    for (const std::string before :
         {"", "[GeneralValues]\nRun=1", "; a note", "[Other]\nA=1\n; a note at the end",
          "[LastValues]\r\nTerm=20\r\n", "[LastValues]\nTerm=20\n\n\n"}) {
        if (before.empty())
            fs::remove(path_);
        else
            Put(before);
        SaveValuesAtExit(path_, TableDefaults(), true, '.');
        const std::string after = Get();
        ASSERT_FALSE(after.empty()) << before;
        EXPECT_EQ(after.back(), '\n') << before;
        EXPECT_EQ(after.find("\n\n\n"), std::string::npos) << before;
    }
}

TEST_F(SavedValuesTest, comma_separator_writes_comma) {
    SaveValuesAtExit(path_, TableDefaults(), false, ',');
    EXPECT_NE(Get().find("\nInterest=6,75\n"), std::string::npos);
    EXPECT_NE(Get().find("\nRun=0\n"), std::string::npos);
}

struct LoadCase {
    const char* name;
    std::string lines; // of section LastValues
    char32_t separator;
    const char* key;
    double expected;
};

// Rows print by name, not as bytes.
void PrintTo(const LoadCase& row, std::ostream* out) {
    *out << row.name;
}

class SavedValuesLoad : public SavedValuesTest, public ::testing::WithParamInterface<LoadCase> {};

TEST_P(SavedValuesLoad, loads_value_or_default) {
    const auto& row = GetParam();
    Put("[LastValues]\n" + row.lines);
    const SavedValues saved = LoadSavedValues(path_, row.separator);
    EXPECT_EQ(saved.inputs.*Field(row.key).member, row.expected);
}

const std::string kLongValid = "1000.5" + std::string(2041, '0') + std::string(3000, 'x');

INSTANTIATE_TEST_SUITE_P(
    Rows, SavedValuesLoad,
    ::testing::Values(
        LoadCase{"term_fraction_kept", "Term=2.5\n", '.', "Term", 2.5},
        LoadCase{"malformed_interest_default", "Interest=abc\nPoints=900\n", '.', "Interest", 6.75},
        LoadCase{"malformed_neighbour_loads", "Interest=abc\nPoints=900\n", '.', "Points", 900},
        LoadCase{"point_text_under_comma", "Interest=7.25\n", ',', "Interest", 7.25},
        LoadCase{"comma_text_under_point", "Interest=7,51\n", '.', "Interest", 7.51},
        LoadCase{"point_text_under_arabic", "Interest=7.25\n", U'\u066B', "Interest", 7.25},
        LoadCase{"both_separators_under_point_default", "PurchasePrice=1.234,5\n", '.',
                 "PurchasePrice", 120000},
        LoadCase{"both_separators_under_comma_default", "PurchasePrice=1,234.5\n", ',',
                 "PurchasePrice", 120000},
        LoadCase{"two_commas_default", "PurchasePrice=1,234,5\n", '.', "PurchasePrice", 120000},
        LoadCase{"whole_text_under_comma", "PurchasePrice=150000\n", ',', "PurchasePrice", 150000},
        LoadCase{"comma_text_under_comma", "Interest=7,25\n", ',', "Interest", 7.25},
        LoadCase{"empty_value_default", "MIP=\n", '.', "MIP", 500},
        LoadCase{"blanks_trimmed", "MIP =  750  \n", '.', "MIP", 750},
        LoadCase{"exponent", "PurchasePrice=1.5E5\n", '.', "PurchasePrice", 150000},
        LoadCase{"nan_default", "Buydown=nan\n", '.', "Buydown", 0},
        LoadCase{"inf_default", "Buydown=inf\n", '.', "Buydown", 0},
        LoadCase{"beyond_double_default", "Buydown=1E400\n", '.', "Buydown", 0},
        LoadCase{"price_nine_digits_default", "PurchasePrice=123456789\n", '.', "PurchasePrice",
                 120000},
        LoadCase{"price_no_room_for_sign_default", "PurchasePrice=-12345678\n", '.',
                 "PurchasePrice", 120000},
        LoadCase{"price_eight_digits_kept", "PurchasePrice=99999999.99\n", '.', "PurchasePrice",
                 99999999.99},
        LoadCase{"negative_with_room_kept", "Other1=-123456\n", '.', "Other1", -123456},
        LoadCase{"rate_four_digits_default", "DownPaymentPercent=1000\n", '.', "DownPaymentPercent",
                 10},
        LoadCase{"years_four_digits_default", "Term=1000\n", '.', "Term", 30},
        LoadCase{"long_value_cut_then_malformed", "Other1=" + std::string(5000, '7') + "\n", '.',
                 "Other1", 0},
        LoadCase{"long_value_cut_to_valid", "Other1=" + kLongValid + "\n", '.', "Other1", 1000.5},
        LoadCase{"names_ignore_case", "purchaseprice=5\n", '.', "PurchasePrice", 5},
        LoadCase{"first_duplicate_wins", "Points=1\nPoints=2\n", '.', "Points", 1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SavedValuesTest, section_name_ignores_case) {
    Put("[lastvalues]\npurchaseprice=5\n[generalvalues]\nrun=1\n");
    const SavedValues saved = LoadSavedValues(path_, '.');
    EXPECT_EQ(saved.inputs.PurchasePrice, 5);
    EXPECT_TRUE(saved.run);
}

struct RunCase {
    const char* name;
    const char* text;
    bool expected;
};

// Rows print by name, not as bytes.
void PrintTo(const RunCase& row, std::ostream* out) {
    *out << row.name;
}

class SavedRunFlag : public SavedValuesTest, public ::testing::WithParamInterface<RunCase> {};

TEST_P(SavedRunFlag, reads_integer_text) {
    Put(std::string("[GeneralValues]\nRun=") + GetParam().text + "\n");
    EXPECT_EQ(LoadSavedValues(path_, '.').run, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, SavedRunFlag,
    ::testing::Values(
        RunCase{"one", "1", true}, RunCase{"zero", "0", false}, RunCase{"two", "2", true},
        RunCase{"minus_one", "-1", true}, RunCase{"hundred_is_decimal", "100", true},
        RunCase{"x_after_another_digit", "2x1", false}, RunCase{"hex_one", "0x1", true},
        RunCase{"hex_upper", "0X1F", true}, RunCase{"hex_zero", "0x0", false},
        RunCase{"hex_max", "0xFFFFFFFF", true}, RunCase{"hex_overflow", "0x100000000", false},
        RunCase{"prefix_only", "0x", false}, RunCase{"bad_hex", "0xZZ", false},
        RunCase{"empty", "", false}, RunCase{"yes", "yes", false}, RunCase{"true", "true", false},
        RunCase{"fraction", "1.5", false}, RunCase{"beyond_32_bits", "99999999999", false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SavedValuesTest, save_keeps_other_sections_keys_and_comments) {
    Put("; Plumcrest\n\n[Window]\nLeft=10\n[LastValues]\n; price\nPurchasePrice=1\nExtra=x\n"
        "[GeneralValues]\nRun=0\n; end\n");
    SaveValuesAtExit(path_, TableDefaults(), true, '.');
    EXPECT_EQ(Get(), "; Plumcrest\n\n[Window]\nLeft=10\n\n[LastValues]\n\n; price\n"
                     "PurchasePrice=120000\nExtra=x\nDownPaymentPercent=10\nTerm=30\n"
                     "Interest=6.75\nOriginationFees=1200\nPoints=1200\nPrepaidInterest=500\n"
                     "MIP=500\nBuydown=0\nFloodCheck=50\nTaxService=50\nOther1=0\nOther2=0\n\n"
                     "[GeneralValues]\nRun=1\n\n; end\n");
}

TEST_F(SavedValuesTest, last_of_two_saves_wins) {
    LoanInputs first = TableDefaults();
    first.Points = 111;
    LoanInputs second = TableDefaults();
    second.Points = 222;
    SaveValuesAtExit(path_, first, false, '.');
    ASSERT_EQ(LoadSavedValues(path_, '.').inputs.Points, 111);
    SaveValuesAtExit(path_, second, true, '.');
    const SavedValues loaded = LoadSavedValues(path_, '.');
    EXPECT_EQ(loaded.inputs.Points, 222);
    EXPECT_TRUE(loaded.run);
    EXPECT_EQ(std::distance(fs::directory_iterator(fs::path(path_).parent_path()),
                            fs::directory_iterator()),
              1); // no temporary left beside the file
}

TEST_F(SavedValuesTest, binary_garbage_loads_defaults_and_saves_cleanly) {
    std::mt19937 random(7);
    std::string garbage(8192, '\0');
    for (char& c : garbage)
        c = static_cast<char>(random() & 0xFF);
    Put(garbage);
    ExpectDefaults(LoadSavedValues(path_, '.'));
    LoanInputs inputs = TableDefaults();
    inputs.Interest = 5.5;
    SaveValuesAtExit(path_, inputs, true, '.');
    EXPECT_EQ(LoadSavedValues(path_, '.').inputs.Interest, 5.5);
}

TEST_F(SavedValuesTest, long_folder_has_no_length_limit) {
    const fs::path folder = dir_ / std::string(150, 'a') / std::string(150, 'b');
    const std::string path = SavedValuesPath(folder.string());
    ASSERT_GT(path.size(), 300u);
    LoanInputs inputs = TableDefaults();
    inputs.Term = 15;
    SaveValuesAtExit(path, inputs, true, '.');
    EXPECT_EQ(LoadSavedValues(path, '.').inputs.Term, 15);
}

TEST_F(SavedValuesTest, unwritable_location_reports_full_path) {
    std::ofstream(dir_ / "plain") << "x";
    const std::string insideFile = SavedValuesPath((dir_ / "plain").string());
    const std::string folderInPlace = (dir_ / "folder.ini").string();
    fs::create_directory(folderInPlace);
    for (const std::string& path :
         {insideFile, folderInPlace, SavedValuesPath("/proc/plumcrest-none"), std::string()}) {
        try {
            SaveValuesAtExit(path, TableDefaults(), true, '.');
            ADD_FAILURE() << "no error for " << path;
        } catch (const ProfileWriteError& error) {
            EXPECT_EQ(std::string(error.what()), "Unable to write to " + path);
        }
    }
    EXPECT_TRUE(fs::is_directory(folderInPlace));
}

// Tests may run as root, which ignores permissions; the file-size limit plays a full disk.
TEST_F(SavedValuesTest, failed_save_leaves_old_file_byte_identical) {
    const std::string old = std::string("; keep\n") + kDefaultFileText;
    Put(old);
    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldSignal = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 64;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    std::string message;
    try {
        SaveValuesAtExit(path_, LoanInputs{}, false, '.');
    } catch (const ProfileWriteError& error) {
        message = error.what();
    }
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldSignal);

    EXPECT_EQ(message, "Unable to write to " + path_);
    EXPECT_EQ(Get(), old);
    EXPECT_EQ(std::distance(fs::directory_iterator(fs::path(path_).parent_path()),
                            fs::directory_iterator()),
              1); // the temporary is removed
}

} // namespace
} // namespace plumcrest
