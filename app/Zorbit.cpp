// The program file: its main block is all it does.
#include "app/MainBlock.h"

int main(int argc, char** argv) { return zorbit::RunMainBlock(argc, argv); }
