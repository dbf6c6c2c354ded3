int wdMfcPlaceholder() { return 1; }
