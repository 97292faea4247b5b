// Only here to build the precompiled header the tests share.
