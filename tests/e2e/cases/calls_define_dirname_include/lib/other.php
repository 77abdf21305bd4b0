<?php function other() { return 2; }
