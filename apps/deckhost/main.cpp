#include <cstdio>
int main() { std::puts("DeckHost"); return 0; }
