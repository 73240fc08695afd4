#pragma once

// Stable sorting of lists.

#include "Records.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace velmora {

// Bottom-up merge sort: O(n log n), stable, and safe with the list comparison, which is not a strict
// weak ordering ("ab" equals "a.c" equals "ac", yet "ab" comes before "ac").
// kommtVor(a, b) is true when a must come before b.
template<class E, class Vergleich>
void SortiereStabil(std::vector<E>& liste, Vergleich kommtVor)
{
    const size_t n = liste.size();
    if (n < 2)
        return;
    std::vector<E> puffer(n);
    std::vector<E>* von = &liste;
    std::vector<E>* nach = &puffer;
    for (size_t breite = 1; breite < n; breite *= 2) {
        for (size_t links = 0; links < n; links += 2 * breite) {
            const size_t mitte = std::min(links + breite, n);
            const size_t ende = std::min(links + 2 * breite, n);
            size_t i = links, j = mitte, k = links;
            while (i < mitte && j < ende) {
                // Take from the right only when it strictly comes first: equal keys keep their order.
                if (kommtVor((*von)[j], (*von)[i]))
                    (*nach)[k++] = std::move((*von)[j++]);
                else
                    (*nach)[k++] = std::move((*von)[i++]);
            }
            while (i < mitte)
                (*nach)[k++] = std::move((*von)[i++]);
            while (j < ende)
                (*nach)[k++] = std::move((*von)[j++]);
        }
        std::swap(von, nach);
    }
    if (von != &liste)
        liste.swap(*von);
}

} // namespace velmora
