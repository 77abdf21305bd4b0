<?php function helper() { return 1; }
