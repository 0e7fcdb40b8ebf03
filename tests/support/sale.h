#pragma once

class Product;

/// Sells `product` on the machine simulator as a customer would: inserts
/// `credit` (none for 0), selects the product and buys it, then lets the
/// dispensing run to its end. True when the product was delivered.
bool sellOnMachine(Product& product, int credit);
