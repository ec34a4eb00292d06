// The red-black tree steps under every std::map and std::set, built here for the Pentium MMX.
// The runtime carries them built for the Pentium Pro, and its walk to the next node picks
// between two pointers with a CMOV: on a Socket 7 processor every step of an iteration would trap
// into the P6 handler (a tab switch and the close walk the binding's maps a hundred times). The
// containers' templates call these by name; defining every one of them here keeps the library's
// copy out of the link.
//
// The header node of a tree is red, holds the root as its parent, the leftmost node as its left
// and the rightmost as its right; the root's parent is the header. A null child is a black leaf.
#include <map>

namespace std {

namespace {

using Node = _Rb_tree_node_base;

bool isRed(const Node* node) { return node && node->_M_color == _S_red; }

Node* leftmostBelow(Node* node) {
  while (node->_M_left) node = node->_M_left;
  return node;
}

Node* rightmostBelow(Node* node) {
  while (node->_M_right) node = node->_M_right;
  return node;
}

// Puts child where node was under node's parent (or as the root).
void replaceUnderParent(Node* node, Node* child, Node*& root) {
  if (node == root)
    root = child;
  else if (node == node->_M_parent->_M_left)
    node->_M_parent->_M_left = child;
  else
    node->_M_parent->_M_right = child;
}

//     node               right
//    /    \             /     \
//   a    right   ->   node     c
//        /   \        /  \
//       b     c      a    b
void rotateLeft(Node* node, Node*& root) {
  Node* right = node->_M_right;
  node->_M_right = right->_M_left;
  if (right->_M_left) right->_M_left->_M_parent = node;
  right->_M_parent = node->_M_parent;
  replaceUnderParent(node, right, root);
  right->_M_left = node;
  node->_M_parent = right;
}

void rotateRight(Node* node, Node*& root) {
  Node* left = node->_M_left;
  node->_M_left = left->_M_right;
  if (left->_M_right) left->_M_right->_M_parent = node;
  left->_M_parent = node->_M_parent;
  replaceUnderParent(node, left, root);
  left->_M_right = node;
  node->_M_parent = left;
}

Node* next(Node* node) {
  if (node->_M_right) return leftmostBelow(node->_M_right);
  Node* parent = node->_M_parent;
  while (node == parent->_M_right) {
    node = parent;
    parent = parent->_M_parent;
  }
  // From the rightmost node the climb passes the root and reaches the header, whose parent is
  // the root again: there node is the header already, the end.
  return node->_M_right == parent ? node : parent;
}

Node* previous(Node* node) {
  // The header (the end) is the one red node whose grandparent is itself: back to the rightmost.
  if (node->_M_color == _S_red && node->_M_parent->_M_parent == node) return node->_M_right;
  if (node->_M_left) return rightmostBelow(node->_M_left);
  Node* parent = node->_M_parent;
  while (node == parent->_M_left) {
    node = parent;
    parent = parent->_M_parent;
  }
  return parent;
}

}  // namespace

_Rb_tree_node_base* _Rb_tree_increment(_Rb_tree_node_base* node) throw() { return next(node); }

const _Rb_tree_node_base* _Rb_tree_increment(const _Rb_tree_node_base* node) throw() {
  return next(const_cast<Node*>(node));
}

_Rb_tree_node_base* _Rb_tree_decrement(_Rb_tree_node_base* node) throw() { return previous(node); }

const _Rb_tree_node_base* _Rb_tree_decrement(const _Rb_tree_node_base* node) throw() {
  return previous(const_cast<Node*>(node));
}

void _Rb_tree_insert_and_rebalance(const bool insertLeft, _Rb_tree_node_base* node,
                                   _Rb_tree_node_base* parent,
                                   _Rb_tree_node_base& header) throw() {
  Node*& root = header._M_parent;
  node->_M_parent = parent;
  node->_M_left = nullptr;
  node->_M_right = nullptr;
  node->_M_color = _S_red;
  if (insertLeft) {
    parent->_M_left = node;  // the header's left too, when the tree was empty
    if (parent == &header) {
      root = node;
      header._M_right = node;
    } else if (parent == header._M_left) {
      header._M_left = node;
    }
  } else {
    parent->_M_right = node;
    if (parent == header._M_right) header._M_right = node;
  }

  // A red node under a red parent: recolour while the uncle is red, else rotate once or twice.
  while (node != root && isRed(node->_M_parent)) {
    Node* father = node->_M_parent;
    Node* grandfather = father->_M_parent;
    if (father == grandfather->_M_left) {
      Node* uncle = grandfather->_M_right;
      if (isRed(uncle)) {
        father->_M_color = _S_black;
        uncle->_M_color = _S_black;
        grandfather->_M_color = _S_red;
        node = grandfather;
        continue;
      }
      if (node == father->_M_right) {
        node = father;
        rotateLeft(node, root);
        father = node->_M_parent;
      }
      father->_M_color = _S_black;
      grandfather->_M_color = _S_red;
      rotateRight(grandfather, root);
    } else {
      Node* uncle = grandfather->_M_left;
      if (isRed(uncle)) {
        father->_M_color = _S_black;
        uncle->_M_color = _S_black;
        grandfather->_M_color = _S_red;
        node = grandfather;
        continue;
      }
      if (node == father->_M_left) {
        node = father;
        rotateRight(node, root);
        father = node->_M_parent;
      }
      father->_M_color = _S_black;
      grandfather->_M_color = _S_red;
      rotateLeft(grandfather, root);
    }
  }
  root->_M_color = _S_black;
}

_Rb_tree_node_base* _Rb_tree_rebalance_for_erase(_Rb_tree_node_base* const gone,
                                                 _Rb_tree_node_base& header) throw() {
  Node*& root = header._M_parent;
  // `taken` is the node that leaves its place: `gone` itself when it has at most one child, else
  // its successor, which then takes gone's place, links and colour. `child` moves up into the
  // place `taken` leaves (it may be null: `childParent` says where that place is).
  Node* taken = gone;
  Node* child;
  Node* childParent;
  if (!gone->_M_left) {
    child = gone->_M_right;
  } else if (!gone->_M_right) {
    child = gone->_M_left;
  } else {
    taken = leftmostBelow(gone->_M_right);
    child = taken->_M_right;
  }

  if (taken != gone) {
    gone->_M_left->_M_parent = taken;
    taken->_M_left = gone->_M_left;
    if (taken == gone->_M_right) {
      childParent = taken;
    } else {
      childParent = taken->_M_parent;
      if (child) child->_M_parent = childParent;
      childParent->_M_left = child;  // the successor was a left child
      taken->_M_right = gone->_M_right;
      gone->_M_right->_M_parent = taken;
    }
    replaceUnderParent(gone, taken, root);
    taken->_M_parent = gone->_M_parent;
    const _Rb_tree_color takenColour = taken->_M_color;
    taken->_M_color = gone->_M_color;
    gone->_M_color = takenColour;  // what left the tree's shape is the successor's colour
    // A node with two children is neither the leftmost nor the rightmost: the ends stay.
  } else {
    childParent = gone->_M_parent;
    if (child) child->_M_parent = childParent;
    replaceUnderParent(gone, child, root);
    if (header._M_left == gone)  // no left child: the new leftmost is below child, or the parent
      header._M_left = child ? leftmostBelow(child) : gone->_M_parent;
    if (header._M_right == gone)
      header._M_right = child ? rightmostBelow(child) : gone->_M_parent;
  }

  // A black node left: the path through child is one black short. Push the shortage up until a
  // red node can absorb it or a rotation evens it out.
  if (gone->_M_color != _S_red) {
    while (child != root && !isRed(child)) {
      if (child == childParent->_M_left) {
        Node* sibling = childParent->_M_right;
        if (isRed(sibling)) {
          sibling->_M_color = _S_black;
          childParent->_M_color = _S_red;
          rotateLeft(childParent, root);
          sibling = childParent->_M_right;
        }
        if (!isRed(sibling->_M_left) && !isRed(sibling->_M_right)) {
          sibling->_M_color = _S_red;
          child = childParent;
          childParent = childParent->_M_parent;
          continue;
        }
        if (!isRed(sibling->_M_right)) {
          sibling->_M_left->_M_color = _S_black;
          sibling->_M_color = _S_red;
          rotateRight(sibling, root);
          sibling = childParent->_M_right;
        }
        sibling->_M_color = childParent->_M_color;
        childParent->_M_color = _S_black;
        if (sibling->_M_right) sibling->_M_right->_M_color = _S_black;
        rotateLeft(childParent, root);
        break;
      } else {
        Node* sibling = childParent->_M_left;
        if (isRed(sibling)) {
          sibling->_M_color = _S_black;
          childParent->_M_color = _S_red;
          rotateRight(childParent, root);
          sibling = childParent->_M_left;
        }
        if (!isRed(sibling->_M_left) && !isRed(sibling->_M_right)) {
          sibling->_M_color = _S_red;
          child = childParent;
          childParent = childParent->_M_parent;
          continue;
        }
        if (!isRed(sibling->_M_left)) {
          sibling->_M_right->_M_color = _S_black;
          sibling->_M_color = _S_red;
          rotateLeft(sibling, root);
          sibling = childParent->_M_left;
        }
        sibling->_M_color = childParent->_M_color;
        childParent->_M_color = _S_black;
        if (sibling->_M_left) sibling->_M_left->_M_color = _S_black;
        rotateRight(childParent, root);
        break;
      }
    }
    if (child) child->_M_color = _S_black;
  }
  return gone;
}

unsigned int _Rb_tree_black_count(const _Rb_tree_node_base* node,
                                  const _Rb_tree_node_base* root) throw() {
  unsigned int blacks = 0;
  for (; node; node = node->_M_parent) {
    if (node->_M_color == _S_black) ++blacks;
    if (node == root) break;
  }
  return blacks;
}

// The library exports its rotations too; nothing in the headers calls them, but a definition
// here keeps a stray reference from bringing the library's whole tree file back.
void _Rb_tree_rotate_left(_Rb_tree_node_base* const node, _Rb_tree_node_base*& root) {
  rotateLeft(node, root);
}

void _Rb_tree_rotate_right(_Rb_tree_node_base* const node, _Rb_tree_node_base*& root) {
  rotateRight(node, root);
}

}  // namespace std
