<?php
class Helper {
}
