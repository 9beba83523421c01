// Puts the whole process in the Spanish locale, whose decimal separator is a
// comma, for the life of the object, and back as it was afterwards. A locale
// that cannot be set fails the test: the checks made under it would prove
// nothing (deps.sh generates it).
#pragma once
#include <gtest/gtest.h>

#include <clocale>
#include <cstring>
#include <string>

namespace vardo {

inline constexpr const char* kLocaleComa = "es_ES.UTF-8";

class LocaleComa {
 public:
  LocaleComa() {
    const char* antes = std::setlocale(LC_ALL, nullptr);
    antes_ = antes ? antes : "C";
    puesto_ = std::setlocale(LC_ALL, kLocaleComa) != nullptr &&
              std::strcmp(std::localeconv()->decimal_point, ",") == 0;
    if (!puesto_) ADD_FAILURE() << "no se puede poner el locale " << kLocaleComa;
  }
  ~LocaleComa() { std::setlocale(LC_ALL, antes_.c_str()); }
  LocaleComa(const LocaleComa&) = delete;
  LocaleComa& operator=(const LocaleComa&) = delete;

  bool Puesto() const { return puesto_; }

 private:
  std::string antes_;
  bool puesto_ = false;
};

}  // namespace vardo
