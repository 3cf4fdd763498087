#include "parser/Tree.h"

#include <utility>
#include <vector>

void ReleaseSubtrees(Tree& node)
{
    std::vector<Tree*> pending;
    if (node.First)
        pending.push_back(node.First);
    if (node.Second)
        pending.push_back(node.Second);
    node.First = node.Second = nullptr;
    while (!pending.empty()) {
        Tree* n = pending.back();
        pending.pop_back();
        if (n->First)
            pending.push_back(n->First);
        if (n->Second)
            pending.push_back(n->Second);
        delete n;
    }
}

std::string TreeToText(const Tree& root)
{
    // An explicit stack: either a node still to write, or a literal piece.
    struct Item {
        const Tree* Node;
        const char* Piece;
    };
    std::string out;
    std::vector<Item> pending{{&root, nullptr}};
    while (!pending.empty()) {
        Item item = pending.back();
        pending.pop_back();
        if (item.Piece) {
            out += item.Piece;
            continue;
        }
        const Tree* n = item.Node;
        if (!n)
            continue;
        out += n->Text;
        if (!n->First && !n->Second)
            continue;
        out += '(';
        pending.push_back({nullptr, ")"});
        pending.push_back({n->Second, nullptr});
        pending.push_back({nullptr, ", "});
        pending.push_back({n->First, nullptr});
    }
    return out;
}
