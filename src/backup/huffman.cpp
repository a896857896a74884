#include "backup/huffman.h"

#include <algorithm>
#include <queue>

namespace
{

// Depth of every used symbol in an unrestricted Huffman tree.
std::vector<std::uint8_t> plainLengths(const std::vector<std::uint64_t> &freq, int *maxDepth)
{
    const int n = int(freq.size());
    struct Node {
        std::uint64_t weight;
        int parent;
    };
    std::vector<Node> nodes;
    nodes.reserve(2 * n);
    using Item = std::pair<std::uint64_t, int>; // weight, node
    std::priority_queue<Item, std::vector<Item>, std::greater<>> heap;
    std::vector<int> leafOf(n, -1);
    for (int s = 0; s < n; ++s) {
        if (freq[s] == 0)
            continue;
        leafOf[s] = int(nodes.size());
        nodes.push_back({freq[s], -1});
        heap.push({freq[s], leafOf[s]});
    }
    while (heap.size() > 1) {
        const Item a = heap.top();
        heap.pop();
        const Item b = heap.top();
        heap.pop();
        const int parent = int(nodes.size());
        nodes.push_back({a.first + b.first, -1});
        nodes[a.second].parent = parent;
        nodes[b.second].parent = parent;
        heap.push({a.first + b.first, parent});
    }
    // Parents come after their children, so depths fill in from the root downwards.
    std::vector<int> depth(nodes.size(), 0);
    for (int i = int(nodes.size()) - 1; i >= 0; --i)
        depth[i] = nodes[i].parent < 0 ? 0 : depth[nodes[i].parent] + 1;
    std::vector<std::uint8_t> lengths(n, 0);
    *maxDepth = 0;
    for (int s = 0; s < n; ++s) {
        if (leafOf[s] < 0)
            continue;
        lengths[s] = std::uint8_t(std::min(depth[leafOf[s]], 255));
        *maxDepth = std::max(*maxDepth, depth[leafOf[s]]);
    }
    return lengths;
}

} // namespace

std::vector<std::uint8_t> HuffmanLengths(const std::vector<std::uint32_t> &freq, int maxBits)
{
    const int used = int(std::count_if(freq.begin(), freq.end(), [](std::uint32_t f) { return f != 0; }));
    if (used < 2)
        return std::vector<std::uint8_t>(freq.size(), 0);
    std::vector<std::uint64_t> weights(freq.begin(), freq.end());
    for (;;) {
        int maxDepth = 0;
        std::vector<std::uint8_t> lengths = plainLengths(weights, &maxDepth);
        if (maxDepth <= maxBits)
            return lengths;
        // Too deep: flatten the distribution and try again; a used symbol stays used.
        for (std::uint64_t &w : weights)
            if (w != 0)
                w = (w >> 1) | 1;
    }
}

std::vector<std::uint16_t> CanonicalCodes(const std::vector<std::uint8_t> &lengths)
{
    int count[18] = {};
    for (std::uint8_t l : lengths)
        if (l > 0 && l <= 16)
            ++count[l];
    unsigned next[18] = {};
    unsigned code = 0;
    for (int bits = 1; bits <= 16; ++bits) {
        code = (code + unsigned(count[bits - 1] * (bits > 1))) << 1;
        next[bits] = code;
    }
    std::vector<std::uint16_t> codes(lengths.size(), 0);
    for (std::size_t s = 0; s < lengths.size(); ++s)
        if (lengths[s] > 0)
            codes[s] = std::uint16_t(next[lengths[s]]++);
    return codes;
}
