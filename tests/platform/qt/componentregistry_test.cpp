#include "platform/qt/componentregistry.h"

#include <QLabel>
#include <gtest/gtest.h>

namespace vardo {
namespace {

constexpr const char* kId = "{12345678-9ABC-DEF0-1234-56789ABCDEF0}";

TEST(ComponentRegistry, CreatesByClassIdWhateverTheCaseOrBraces) {
  auto& reg = ComponentRegistry::Instance();
  ASSERT_TRUE(reg.Register(kId, "Etiqueta", [](QWidget* p) { return new QLabel("x", p); }));
  EXPECT_FALSE(reg.Register("12345678-9abc-def0-1234-56789abcdef0", "Otra",
                            [](QWidget* p) { return new QWidget(p); }));
  QWidget parent;
  QWidget* w = reg.Create("12345678-9abc-def0-1234-56789abcdef0", &parent);
  ASSERT_NE(w, nullptr);
  EXPECT_NE(qobject_cast<QLabel*>(w), nullptr);
  EXPECT_EQ(w->parentWidget(), &parent);
  EXPECT_EQ(reg.NameOf(kId), "Etiqueta");
  EXPECT_TRUE(reg.Unregister(kId));
  EXPECT_EQ(reg.Create(kId), nullptr);
}

TEST(ComponentRegistry, RefusesMalformedIds) {
  auto& reg = ComponentRegistry::Instance();
  for (const char* id : {"", "{}", "not-a-class-id", "{12345678-9ABC-DEF0-1234-56789ABCDEFG}",
                         "{12345678-9ABC-DEF01234-56789ABCDEF0-}"}) {
    EXPECT_FALSE(reg.Register(id, "x", [](QWidget* p) { return new QWidget(p); })) << id;
    EXPECT_EQ(reg.Create(id), nullptr) << id;
  }
}

}  // namespace
}  // namespace vardo
