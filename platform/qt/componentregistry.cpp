#include "platform/qt/componentregistry.h"

#include <QWidget>
#include <cctype>

namespace vardo {

ComponentRegistry& ComponentRegistry::Instance() {
  static ComponentRegistry registry;
  return registry;
}

std::string ComponentRegistry::Normalize(std::string_view id) {
  if (id.size() >= 2 && id.front() == '{' && id.back() == '}') id = id.substr(1, id.size() - 2);
  // 8-4-4-4-12 hexadecimal digits.
  if (id.size() != 36) return {};
  std::string out = "{";
  for (std::size_t i = 0; i < id.size(); ++i) {
    char c = id[i];
    bool dash = (i == 8 || i == 13 || i == 18 || i == 23);
    if (dash) {
      if (c != '-') return {};
    } else if (!std::isxdigit(static_cast<unsigned char>(c))) {
      return {};
    }
    out += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  }
  out += '}';
  return out;
}

const ComponentRegistry::Item* ComponentRegistry::Find(const std::string& n) const {
  for (const auto& it : items_)
    if (it.classId == n) return &it;
  return nullptr;
}

const ComponentRegistry::Item* ComponentRegistry::Lookup(std::string_view classId) const {
  const std::string n = Normalize(classId);
  return n.empty() ? nullptr : Find(n);
}

bool ComponentRegistry::Register(std::string_view classId, std::string_view name,
                                 Factory factory) {
  std::string n = Normalize(classId);
  if (n.empty() || !factory || Find(n)) return false;
  items_.push_back(Item{n, std::string(name), std::move(factory)});
  return true;
}

bool ComponentRegistry::Unregister(std::string_view classId) {
  std::string n = Normalize(classId);
  for (auto it = items_.begin(); it != items_.end(); ++it) {
    if (it->classId == n) {
      items_.erase(it);
      return true;
    }
  }
  return false;
}

bool ComponentRegistry::IsRegistered(std::string_view classId) const {
  return Lookup(classId) != nullptr;
}

QWidget* ComponentRegistry::Create(std::string_view classId, QWidget* parent) const {
  const Item* it = Lookup(classId);
  return it ? it->factory(parent) : nullptr;
}

std::vector<std::string> ComponentRegistry::ClassIds() const {
  std::vector<std::string> ids;
  for (const auto& it : items_) ids.push_back(it.classId);
  return ids;
}

std::string ComponentRegistry::NameOf(std::string_view classId) const {
  const Item* it = Lookup(classId);
  return it ? it->name : std::string();
}

}  // namespace vardo
