#include <stdio.h>
int main(void) { printf("pointer size %u\n", (unsigned)sizeof(void*)); return 0; }
