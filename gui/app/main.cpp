#include "gui/app/aplikacja.h"

int main(int argc, char** argv) { return velmor::Uruchom(argc, argv); }
