// Combat: attacker slots and hits.
#pragma once

class Fgr;

