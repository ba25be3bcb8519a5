// The data window's fixed texts: title, captions and messages, UTF-8.
#pragma once

namespace ui::text {

inline constexpr const char* kDataWindowTitle = "Данные";

inline constexpr const char* kNotAWorkbook = "Файл не является книгой .xlsx или .ods";
inline constexpr const char* kNoSheet = "В книге не найден первый лист";
inline constexpr const char* kBrokenSheet = "Первый лист книги повреждён";
inline constexpr const char* kSheetTooLarge =
    "Лист слишком велик: больше 100000 строк или 1000 столбцов";

}  // namespace ui::text
