#pragma once

#include "nonstd/optional.hpp"

/// The ERS protocol's selection numbers: one number per product, each number
/// naming one product, kept in the active group's settings under
/// "ers/selectionNumbers".
class SelectionNumberAdapter
{
public:
    static nonstd::optional<unsigned char> try_selectionNumber(int productId);
    /// The product id the number names; the id of a product that was not
    /// stored yet is negative.
    static nonstd::optional<int> try_id(unsigned char selectionNumber);
    /// Gives the product the number, taking it from any other product. False,
    /// with nothing changed, when it cannot be stored.
    static bool setSelectionNumber(int productId, unsigned char selectionNumber);
};
