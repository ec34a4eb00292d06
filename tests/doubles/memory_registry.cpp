#include "memory_registry.h"

#include <algorithm>
#include <cctype>
#include <functional>
#include <sstream>
#include <stdexcept>

namespace doubles {
namespace {

std::string folded(const std::string& s) {
  std::string out = s;
  for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

std::vector<std::string> split(const std::string& path) {
  std::vector<std::string> parts;
  std::string part;
  for (char c : path) {
    if (c == '\\') {
      if (!part.empty()) parts.push_back(part);
      part.clear();
    } else {
      part.push_back(c);
    }
  }
  if (!part.empty()) parts.push_back(part);
  return parts;
}

}  // namespace

struct MemoryRegistry::Node {
  std::string name;
  bool refuseAll = false;
  std::map<std::string, std::unique_ptr<Node>> children;  // by folded name
  struct Entry {
    std::string name;
    stored::RegistryValue value;
  };
  std::map<std::string, Entry> values;  // by folded name
};

MemoryRegistry::MemoryRegistry() {
  const char* names[] = {"HKLM", "HKCU", "HKCC"};
  for (int i = 0; i < 3; ++i) {
    roots_[i] = std::make_unique<Node>();
    roots_[i]->name = names[i];
  }
}

MemoryRegistry::~MemoryRegistry() = default;

MemoryRegistry::Node* MemoryRegistry::rootNode(stored::RootKey root) const {
  switch (root) {
    case stored::RootKey::LocalMachine: return roots_[0].get();
    case stored::RootKey::CurrentUser: return roots_[1].get();
    case stored::RootKey::CurrentConfig: return roots_[2].get();
  }
  return nullptr;
}

MemoryRegistry::Node* MemoryRegistry::walk(Node* from, const std::string& subPath, bool create) {
  Node* node = from;
  for (const std::string& part : split(subPath)) {
    auto it = node->children.find(folded(part));
    if (it == node->children.end()) {
      if (!create || node->refuseAll) return nullptr;
      auto child = std::make_unique<Node>();
      child->name = part;
      it = node->children.emplace(folded(part), std::move(child)).first;
    }
    node = it->second.get();
  }
  return node;
}

MemoryRegistry::Node* MemoryRegistry::find(const std::string& keyPath) const {
  const auto parts = split(keyPath);
  if (parts.empty()) throw std::invalid_argument("registry path without root: " + keyPath);
  Node* node = nullptr;
  const std::string root = folded(parts[0]);
  if (root == "hklm") node = roots_[0].get();
  else if (root == "hkcu") node = roots_[1].get();
  else if (root == "hkcc") node = roots_[2].get();
  else throw std::invalid_argument("unknown root: " + keyPath);
  for (std::size_t i = 1; i < parts.size() && node; ++i) {
    auto it = node->children.find(folded(parts[i]));
    node = it == node->children.end() ? nullptr : it->second.get();
  }
  return node;
}

std::optional<MemoryRegistry::Key> MemoryRegistry::openKey(stored::RootKey root,
                                                           const std::string& keyPath,
                                                           bool create, bool /*readOnly*/) {
  Node* from = rootNode(root);
  std::string path = folded(from->name);
  for (const std::string& part : split(keyPath)) path += "\\" + folded(part);
  if (refusedOpens_.count(path)) return std::nullopt;
  Node* node = walk(from, keyPath, create);
  if (!node) return std::nullopt;
  const Key key = nextKey_++;
  open_[key] = node;
  openPaths_[key] = path;
  return key;
}

void MemoryRegistry::closeKey(Key key) {
  open_.erase(key);
  openPaths_.erase(key);
}

void MemoryRegistry::refuseOpen(const std::string& keyPath) {
  std::string path;
  for (const std::string& part : split(keyPath)) path += (path.empty() ? "" : "\\") + folded(part);
  refusedOpens_.insert(path);
}

std::optional<stored::RegistryValue> MemoryRegistry::queryValue(Key key,
                                                                  const std::string& name) {
  auto it = open_.find(key);
  if (it == open_.end()) return std::nullopt;
  auto v = it->second->values.find(folded(name));
  if (v == it->second->values.end()) return std::nullopt;
  return v->second.value;
}

bool MemoryRegistry::refused(const Node* node, const std::string& name) const {
  return node->refuseAll || refusedValues_.count({node, folded(name)}) > 0;
}

bool MemoryRegistry::setValue(Key key, const std::string& name,
                              const stored::RegistryValue& value) {
  auto it = open_.find(key);
  if (it == open_.end() || refused(it->second, name)) return false;
  auto& entry = it->second->values[folded(name)];
  if (entry.name.empty()) entry.name = name;
  entry.value = value;
  journal_.push_back("set " + name);
  return true;
}

bool MemoryRegistry::deleteValue(Key key, const std::string& name) {
  auto it = open_.find(key);
  if (it == open_.end() || refused(it->second, name)) return false;
  journal_.push_back("delete " + name);
  return it->second->values.erase(folded(name)) > 0;
}

void MemoryRegistry::createKey(const std::string& keyPath) {
  const auto parts = split(keyPath);
  const std::string rest = keyPath.substr(keyPath.find('\\') == std::string::npos
                                              ? keyPath.size()
                                              : keyPath.find('\\') + 1);
  Node* root = find(parts.at(0));
  walk(root, rest, true);
}

void MemoryRegistry::setString(const std::string& keyPath, const std::string& name,
                               const std::string& text) {
  createKey(keyPath);
  auto& entry = find(keyPath)->values[folded(name)];
  entry.name = name;
  entry.value = {stored::ValueType::String, {text.begin(), text.end()}};
}

void MemoryRegistry::setInteger(const std::string& keyPath, const std::string& name,
                                std::int32_t value) {
  createKey(keyPath);
  const auto bits = static_cast<std::uint32_t>(value);
  auto& entry = find(keyPath)->values[folded(name)];
  entry.name = name;
  entry.value = {stored::ValueType::Dword,
                 {std::uint8_t(bits), std::uint8_t(bits >> 8), std::uint8_t(bits >> 16),
                  std::uint8_t(bits >> 24)}};
}

void MemoryRegistry::setBinary(const std::string& keyPath, const std::string& name,
                               const std::vector<std::uint8_t>& bytes) {
  createKey(keyPath);
  auto& entry = find(keyPath)->values[folded(name)];
  entry.name = name;
  entry.value = {stored::ValueType::Binary, bytes};
}

bool MemoryRegistry::keyExists(const std::string& keyPath) const { return find(keyPath); }

bool MemoryRegistry::valueExists(const std::string& keyPath, const std::string& name) const {
  return value(keyPath, name).has_value();
}

std::optional<stored::RegistryValue> MemoryRegistry::value(const std::string& keyPath,
                                                             const std::string& name) const {
  const Node* node = find(keyPath);
  if (!node) return std::nullopt;
  auto it = node->values.find(folded(name));
  if (it == node->values.end()) return std::nullopt;
  return it->second.value;
}

std::optional<std::string> MemoryRegistry::stringValue(const std::string& keyPath,
                                                       const std::string& name) const {
  const auto v = value(keyPath, name);
  if (!v || v->type != stored::ValueType::String) return std::nullopt;
  return std::string(v->data.begin(), v->data.end());
}

std::optional<std::int32_t> MemoryRegistry::integerValue(const std::string& keyPath,
                                                         const std::string& name) const {
  const auto v = value(keyPath, name);
  if (!v || v->type != stored::ValueType::Dword || v->data.size() != 4) return std::nullopt;
  const auto& d = v->data;
  return static_cast<std::int32_t>(std::uint32_t(d[0]) | std::uint32_t(d[1]) << 8 |
                                   std::uint32_t(d[2]) << 16 | std::uint32_t(d[3]) << 24);
}

void MemoryRegistry::refuseWrites(const std::string& keyPath, const std::string& valueName) {
  createKey(keyPath);
  Node* node = find(keyPath);
  if (valueName.empty()) node->refuseAll = true;
  else refusedValues_.insert({node, folded(valueName)});
}

std::string MemoryRegistry::dump() const {
  std::vector<std::string> lines;
  std::function<void(const Node*, const std::string&)> visit = [&](const Node* n,
                                                                  const std::string& path) {
    lines.push_back(path + "\\");  // keys count too: creating one is a change
    for (const auto& [key, entry] : n->values) {
      std::ostringstream line;
      line << path << "\\" << entry.name << "=" << static_cast<int>(entry.value.type) << ":";
      for (auto b : entry.value.data) line << std::hex << int(b) << ' ';
      lines.push_back(line.str());
    }
    for (const auto& [key, child] : n->children) visit(child.get(), path + "\\" + child->name);
  };
  for (const auto& root : roots_) visit(root.get(), root->name);
  std::sort(lines.begin(), lines.end());
  std::string out;
  for (const auto& l : lines) out += l + "\n";
  return out;
}

}  // namespace doubles
