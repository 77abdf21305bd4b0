<?php
function b() { return 1; }
