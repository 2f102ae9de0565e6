#pragma once

// The whole automation interface in one include.
#include "automation/word/application.h"
#include "automation/word/constants.h"
#include "automation/word/document.h"
#include "automation/word/engine.h"
#include "automation/failure.h"
#include "automation/word/font.h"
#include "automation/word/listtemplate.h"
#include "automation/word/range.h"
#include "automation/word/selection.h"
#include "automation/word/table.h"
