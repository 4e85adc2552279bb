#pragma once
// The window texts live with the translation engine, where every window can reach them.
#include "translation/Texte.h"
