#pragma once
// The gallery page (a plain page until the gallery's controls arrive).

#include "app/PageWindow.h"

class PageStart : public PageWindow {};
