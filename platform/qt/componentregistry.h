// Creating controls by class id. Each control library registers a factory
// for its class id through a static ComponentRegistrar when it is loaded; the
// host creates controls by class id and never links against their classes.
#pragma once
#include <functional>
#include <string>
#include <string_view>
#include <vector>

class QWidget;

namespace vardo {

class ComponentRegistry {
 public:
  using Factory = std::function<QWidget*(QWidget* parent)>;

  // The one registry of the process (it lives in platform_qt, a shared
  // library, so every control library and the program see the same one).
  static ComponentRegistry& Instance();

  // Class ids compare without regard to case or surrounding braces.
  // Registering a class id twice keeps the first factory and returns false.
  bool Register(std::string_view classId, std::string_view name, Factory factory);
  bool Unregister(std::string_view classId);
  bool IsRegistered(std::string_view classId) const;

  // A new control of that class under parent, or nullptr for an unknown id.
  QWidget* Create(std::string_view classId, QWidget* parent = nullptr) const;

  // The registered class ids (normalised: upper case in braces), in order.
  std::vector<std::string> ClassIds() const;
  std::string NameOf(std::string_view classId) const;

  // "{XXXXXXXX-...}" in upper case; "" when the text is not a class id.
  static std::string Normalize(std::string_view classId);

 private:
  struct Item {
    std::string classId;
    std::string name;
    Factory factory;
  };
  const Item* Find(const std::string& normalized) const;
  // The item of a class id in any accepted form; null when none.
  const Item* Lookup(std::string_view classId) const;
  std::vector<Item> items_;
};

// Define one at namespace scope in a control library:
//   static ComponentRegistrar reg(kClassId, "Name", [](QWidget* p) { return new C(p); });
struct ComponentRegistrar {
  ComponentRegistrar(std::string_view classId, std::string_view name,
                     ComponentRegistry::Factory factory) {
    ComponentRegistry::Instance().Register(classId, name, std::move(factory));
  }
};

}  // namespace vardo
