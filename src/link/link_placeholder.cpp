// Replaced by the serial adapter.
