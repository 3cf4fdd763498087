#pragma once

#include <string>

/// A node of an expression tree: an operator code ("+", "-", "*", "/", "m",
/// "^", "#") with its two operands, or a leaf holding an operand text.
/// First is the operand written before the operator (for "#" the function
/// code leaf), Second the one written after it. A node owns its subtrees
/// only through ReleaseSubtrees; the record itself does nothing on copy or
/// destruction, so a root can be copied into a shared root as a whole.
struct Tree {
    std::string Text;
    Tree* Second = nullptr;
    Tree* First = nullptr;
};

/// Deletes every node below the given one (iteratively, so no depth of tree
/// can overflow the stack) and empties its links.
void ReleaseSubtrees(Tree& node);

/// The tree in the notation operator(First, Second), leaves by their text,
/// for example -(1, +(2, 3)); an empty link is written as an empty text.
std::string TreeToText(const Tree& node);
