#include "model/constantes.h"
