#include "ui/viewer_main.h"

int main(int argc, char* argv[])
{
    return zelt::RunViewer(argc, argv);
}
