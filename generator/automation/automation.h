#pragma once

// The whole automation interface in one include.
#include "word/application.h"
#include "word/constants.h"
#include "word/document.h"
#include "word/engine.h"
#include "word/error.h"
#include "word/font.h"
#include "word/listtemplate.h"
#include "word/range.h"
#include "word/selection.h"
#include "word/table.h"
