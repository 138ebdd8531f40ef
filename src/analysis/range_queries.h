#pragma once

// Every range query over a pipe's measures, for the plots, dialogs and exports that read them.
#include "analysis/average64.h"
#include "analysis/csa_range_queries.h"
#include "analysis/id_range_queries.h"
#include "analysis/od_range_queries.h"
#include "analysis/revolution_wall_queries.h"
#include "analysis/wall_range_queries.h"
