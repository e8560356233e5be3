// Linked with every object of the base; its import table is what is checked.
int main() { return 0; }
