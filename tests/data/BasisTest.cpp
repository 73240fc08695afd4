#include <gtest/gtest.h>
TEST(Leer, Leer) {}
