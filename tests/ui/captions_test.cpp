// Tests that the windows' catalogs give the texts the windows always showed, byte for byte: the
// ones with newlines, with ";" (CMake's list separator), with «» and the aliases of engine texts.
#include "ui/captions.h"

#include <gtest/gtest.h>

#include <string>

#include "ui/command_captions.h"
#include "ui/data_window/data_texts.h"

namespace {

std::string bytes(const char* text) { return text; }

TEST(Captions, MultiLineTextsKeepTheirParagraphs) {
  EXPECT_EQ(bytes(ui::text::kAboutText),
            "Tarnek %1\n\n"
            "Математическая статистика: группированный статистический ряд, гистограмма, "
            "проверка гипотезы о нормальном распределении по критерию Пирсона, "
            "доверительные интервалы.\n\n"
            "Свободная программа: GNU General Public License версии 3 или более поздней.");
  EXPECT_EQ(bytes(ui::text::kInputHint),
            "Введите или вставьте значения: через пробел, табуляцию, «;» или по одному в строке; "
            "десятичный разделитель — точка или запятая.\n"
            "Интервальный ряд: строки «a b n», «a-b n», «[a; b) n» (границы и частота) "
            "или «x n» (середина и частота).");
}

TEST(Captions, SemicolonsSurviveInFiltersAndRows) {
  EXPECT_EQ(bytes(ui::text::kOpenFilter),
            "\xd0\x94\xd0\xb0\xd0\xbd\xd0\xbd\xd1\x8b\xd0\xb5 (*.txt *.csv *.tsv *.xlsx *.ods);;"
            "\xd0\x92\xd1\x81\xd0\xb5 \xd1\x84\xd0\xb0\xd0\xb9\xd0\xbb\xd1\x8b (*)");
  EXPECT_EQ(bytes(ui::text::kSaveFilter), "Текстовые файлы (*.txt);;Все файлы (*)");
  EXPECT_EQ(bytes(ui::text::kGroupedRow), "[%1; %2)  середина %3  частота %4");
}

// One name, one text: the data window says it could not save in the words of the other windows,
// and every catalog of the windows can be included in one file.
TEST(Captions, TheFailedSaveIsOneText) {
  EXPECT_EQ(bytes(ui::text::kNotSaved), "Не удалось сохранить «%1»: %2");
}

// The options dialog's labels are the engine's, the same objects: clang refuses to compare two
// distinct literals here, so under clang (clang-tidy reads this file) a copy would not compile.
static_assert(ui::text::kIntervalLabel == engine::text::kIntervalLabel);
static_assert(ui::text::kXminLabel == engine::text::kXminLabel);
static_assert(ui::text::kXmaxLabel == engine::text::kXmaxLabel);

TEST(Captions, AliasesReadAsTheEngineTexts) {
  EXPECT_EQ(bytes(ui::text::kIntervalLabel), "Размер интервала");
  EXPECT_EQ(bytes(ui::text::kXminLabel), "Xmin");
}

}  // namespace
