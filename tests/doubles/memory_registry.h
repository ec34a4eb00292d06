#pragma once
// An in-memory registry that keeps the registry's rules: key and value names compared without
// regard to case, typed values, parents created with their children, keys that can be refused.
#include <map>
#include <memory>
#include <set>
#include <string>

#include "stored/registry_backend.h"

namespace doubles {

class MemoryRegistry : public stored::RegistryBackend {
 public:
  MemoryRegistry();
  ~MemoryRegistry() override;

  std::optional<Key> openKey(stored::RootKey root, const std::string& keyPath, bool create,
                             bool readOnly) override;
  void closeKey(Key key) override;
  std::optional<stored::RegistryValue> queryValue(Key key, const std::string& name) override;
  bool setValue(Key key, const std::string& name, const stored::RegistryValue& value) override;
  bool deleteValue(Key key, const std::string& name) override;

  // ---- For tests: seeding and inspecting without a store handle -----------------------------
  // Paths are written "HKLM\Software\..." (HKLM, HKCU, HKCC), without a leading backslash.
  void setString(const std::string& keyPath, const std::string& name, const std::string& text);
  void setInteger(const std::string& keyPath, const std::string& name, std::int32_t value);
  void setBinary(const std::string& keyPath, const std::string& name,
                 const std::vector<std::uint8_t>& bytes);
  void createKey(const std::string& keyPath);
  bool keyExists(const std::string& keyPath) const;
  bool valueExists(const std::string& keyPath, const std::string& name) const;
  std::optional<stored::RegistryValue> value(const std::string& keyPath,
                                               const std::string& name) const;
  std::optional<std::string> stringValue(const std::string& keyPath,
                                         const std::string& name) const;
  std::optional<std::int32_t> integerValue(const std::string& keyPath,
                                           const std::string& name) const;
  // Every value in the registry as "KEY\name=type:data", sorted: for before/after comparisons.
  std::string dump() const;
  // Writes (and deletions) are refused for a whole key, or for one value of it.
  void refuseWrites(const std::string& keyPath, const std::string& valueName = "");
  // The key cannot be opened at all, with or without creation (it is not made either).
  void refuseOpen(const std::string& keyPath);
  // How many keys are open right now (handles not yet closed).
  std::size_t openKeyCount() const { return open_.size(); }
  // Every write and deletion in order, as "set NAME" / "delete NAME" (value names only).
  const std::vector<std::string>& journal() const { return journal_; }
  void clearJournal() { journal_.clear(); }

 private:
  struct Node;
  Node* find(const std::string& keyPath) const;
  Node* walk(Node* from, const std::string& subPath, bool create);
  Node* rootNode(stored::RootKey root) const;
  bool refused(const Node* node, const std::string& name) const;

  std::unique_ptr<Node> roots_[3];
  std::map<Key, Node*> open_;
  std::map<Key, std::string> openPaths_;  // folded, "hklm\software\..."
  std::set<std::string> refusedOpens_;
  Key nextKey_ = 1;
  std::set<std::pair<const Node*, std::string>> refusedValues_;
  std::vector<std::string> journal_;
};

}  // namespace doubles
