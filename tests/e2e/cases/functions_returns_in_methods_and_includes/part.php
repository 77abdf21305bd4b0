<?php
return 2;
