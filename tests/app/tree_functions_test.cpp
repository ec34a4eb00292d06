// The exe's own red-black tree steps (src/app/tree_functions.cpp): thousands of random inserts
// and erases on a tree of bare nodes, each followed by a check of every rule the containers rely
// on (the header's root, leftmost and rightmost, parent links, order, no red node under a red
// one, one black height), and walks both ways compared with a sorted model; then std::map and
// std::set, which call the same functions, against the same model.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

struct Item : std::_Rb_tree_node_base {
  int key = 0;
};

int keyOf(const std::_Rb_tree_node_base* node) { return static_cast<const Item*>(node)->key; }

// A small fixed generator: the same sequence on every platform.
struct Random {
  std::uint32_t state;
  int below(int limit) {
    state = state * 1664525u + 1013904223u;
    return static_cast<int>((state >> 8) % static_cast<std::uint32_t>(limit));
  }
};

class Tree {
 public:
  ~Tree() {
    while (!model_.empty()) erase(model_.front());
  }

  // Duplicates go to the right of their equals, as a multiset puts them.
  void insert(int key) {
    Item* item = new Item;
    item->key = key;
    std::_Rb_tree_node_base* parent = &header_._M_header;
    std::_Rb_tree_node_base* below = header_._M_header._M_parent;
    bool left = true;
    while (below) {
      parent = below;
      left = key < keyOf(below);
      below = left ? below->_M_left : below->_M_right;
    }
    std::_Rb_tree_insert_and_rebalance(left, item, parent, header_._M_header);
    model_.insert(std::upper_bound(model_.begin(), model_.end(), key), key);
  }

  // Erases the first node holding key; false when there is none.
  bool erase(int key) {
    std::_Rb_tree_node_base* node = header_._M_header._M_left;
    while (node != &header_._M_header && keyOf(node) != key) node = std::_Rb_tree_increment(node);
    if (node == &header_._M_header) return false;
    std::_Rb_tree_node_base* freed = std::_Rb_tree_rebalance_for_erase(node, header_._M_header);
    EXPECT_EQ(freed, node);
    delete static_cast<Item*>(freed);
    model_.erase(std::find(model_.begin(), model_.end(), key));
    return true;
  }

  // Every rule, as test failures; the black height of the whole tree.
  void check() const {
    const std::_Rb_tree_node_base* head = &header_._M_header;
    const std::_Rb_tree_node_base* root = head->_M_parent;
    ASSERT_EQ(head->_M_color, std::_S_red);
    if (model_.empty()) {
      ASSERT_EQ(root, nullptr);
      ASSERT_EQ(head->_M_left, head);
      ASSERT_EQ(head->_M_right, head);
      return;
    }
    ASSERT_NE(root, nullptr);
    ASSERT_EQ(root->_M_parent, head);
    ASSERT_EQ(root->_M_color, std::_S_black);
    ASSERT_EQ(head->_M_left, leftmost(root));
    ASSERT_EQ(head->_M_right, rightmost(root));
    std::size_t count = 0;
    blackHeight(root, &count);
    ASSERT_EQ(count, model_.size());

    std::vector<int> forward;
    for (auto* n = head->_M_left; n != head; n = std::_Rb_tree_increment(n)) {
      forward.push_back(keyOf(n));
      ASSERT_LE(forward.size(), model_.size());
    }
    EXPECT_EQ(forward, model_);
    std::vector<int> backward;
    for (auto* n = std::_Rb_tree_decrement(head); ; n = std::_Rb_tree_decrement(n)) {
      backward.push_back(keyOf(n));
      if (n == head->_M_left) break;
      ASSERT_LE(backward.size(), model_.size());
    }
    std::reverse(backward.begin(), backward.end());
    EXPECT_EQ(backward, model_);
    // The black count from the leftmost leaf up to the root is the tree's black height.
    EXPECT_EQ(std::_Rb_tree_black_count(head->_M_left, root), blackHeight(root, &count));
  }

  std::size_t size() const { return model_.size(); }
  const std::vector<int>& model() const { return model_; }

 private:
  static const std::_Rb_tree_node_base* leftmost(const std::_Rb_tree_node_base* n) {
    while (n->_M_left) n = n->_M_left;
    return n;
  }
  static const std::_Rb_tree_node_base* rightmost(const std::_Rb_tree_node_base* n) {
    while (n->_M_right) n = n->_M_right;
    return n;
  }

  // Black nodes on every path from n down to a leaf; counts n's nodes into *count. A broken rule
  // is a failure and gives 0.
  static unsigned blackHeight(const std::_Rb_tree_node_base* n, std::size_t* count) {
    if (!n) return 0;
    ++*count;
    const std::_Rb_tree_node_base* sides[2] = {n->_M_left, n->_M_right};
    for (const auto* side : sides) {
      if (!side) continue;
      EXPECT_EQ(side->_M_parent, n) << "a child that does not point back at its parent";
      if (n->_M_color == std::_S_red) EXPECT_EQ(side->_M_color, std::_S_black) << "red under red";
    }
    if (n->_M_left) EXPECT_LE(keyOf(n->_M_left), keyOf(n));
    if (n->_M_right) EXPECT_GE(keyOf(n->_M_right), keyOf(n));
    const unsigned left = blackHeight(n->_M_left, count);
    const unsigned right = blackHeight(n->_M_right, count);
    EXPECT_EQ(left, right) << "two black heights below the node holding " << keyOf(n);
    return left + (n->_M_color == std::_S_black ? 1u : 0u);
  }

  std::_Rb_tree_header header_;
  std::vector<int> model_;
};

TEST(TreeFunctions, AnEmptyTreeIsItsHeaderAndTheEndStepsBackToNothing) {
  Tree tree;
  tree.check();
  tree.insert(7);
  tree.check();
  EXPECT_TRUE(tree.erase(7));
  tree.check();
  EXPECT_FALSE(tree.erase(7));
}

TEST(TreeFunctions, AscendingAndDescendingRunsStayBalanced) {
  Tree up, down;
  for (int i = 0; i < 200; ++i) {
    up.insert(i);
    down.insert(1000 - i);
  }
  up.check();
  down.check();
  // From either end, the node that is both leftmost and rightmost goes last.
  for (int i = 0; i < 200; ++i) {
    ASSERT_TRUE(up.erase(i));
    ASSERT_TRUE(down.erase(1000 - 199 + i));
    if (i % 17 == 0) {
      up.check();
      down.check();
    }
  }
  up.check();
  down.check();
}

TEST(TreeFunctions, RandomInsertsAndErasesKeepEveryRule) {
  Random random{12345};
  Tree tree;
  for (int round = 0; round < 3000; ++round) {
    const int key = random.below(150);  // duplicates and misses both happen
    if (random.below(5) < 3 || tree.size() < 3)
      tree.insert(key);
    else
      tree.erase(key);
    tree.check();
    if (HasFatalFailure() || HasFailure()) FAIL() << "after round " << round;
  }
  EXPECT_GT(tree.size(), 50u);
}

TEST(TreeFunctions, MapAndSetAgreeWithASortedModel) {
  Random random{777};
  std::map<std::string, int> map;
  std::set<int> set;
  std::vector<int> model;
  for (int round = 0; round < 2000; ++round) {
    const int key = random.below(300);
    const auto at = std::lower_bound(model.begin(), model.end(), key);
    const bool present = at != model.end() && *at == key;
    if (random.below(3) < 2) {
      EXPECT_EQ(set.insert(key).second, !present);
      map[std::to_string(key)] = key;
      if (!present) model.insert(at, key);
    } else {
      EXPECT_EQ(set.erase(key), present ? 1u : 0u);
      EXPECT_EQ(map.erase(std::to_string(key)), present ? 1u : 0u);
      if (present) model.erase(at);
    }
  }
  ASSERT_EQ(std::vector<int>(set.begin(), set.end()), model);
  ASSERT_EQ(std::vector<int>(set.rbegin(), set.rend()), std::vector<int>(model.rbegin(), model.rend()));
  std::vector<int> fromMap;
  for (const auto& entry : map) fromMap.push_back(entry.second);
  std::sort(fromMap.begin(), fromMap.end());
  EXPECT_EQ(fromMap, model);
}

}  // namespace
